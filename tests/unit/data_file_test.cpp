#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/settings/data_file.h"
#include "tests/unit/test_support.h"

namespace kyz {
namespace {

using test::BoxRecorder;
using test::ScratchFolder;

// The 531 lines a file holds right after reset_settings, spelled out from the format
// rather than produced by the writer.
std::string default_file(const char* clock_size, const char* clock_range) {
  std::vector<std::string> lines;
  auto repeat = [&](int n, const std::string& v) { lines.insert(lines.end(), n, v); };
  repeat(32, "7");
  repeat(32, "0");
  repeat(32, "1");
  repeat(32, "2");
  repeat(32, "0");
  repeat(32, "1");
  repeat(32, "0");
  lines.insert(lines.end(), {"8", "8", "0"});
  repeat(128, "33");
  for (int row = 0; row < 32; ++row) lines.insert(lines.end(), {"9", "12", "15", "18"});
  lines.insert(lines.end(), {clock_size, clock_range});
  repeat(32, "s");
  lines.insert(lines.end(), {"0", "0", "0", "30", "1", "0"});
  for (int k = 0; k < 8; ++k) lines.push_back(std::to_string(k));
  std::string out;
  for (const auto& l : lines) out += l + "\r\n";
  return out;
}

std::vector<std::string> split_lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0, end;
  while ((end = text.find("\r\n", start)) != std::string::npos) {
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

const std::string a_i = "\x82\xa0\x82\xa2";  // あい

// Every stored field away from its default.
SettingsRecord unusual_record() {
  SettingsRecord r;
  reset_settings(r);
  for (int p = 0; p < 32; ++p) {
    r.char_color[p] = p % 9;
    r.border_color[p] = (p + 1) % 9;
    r.char_level[p] = 0;
    r.scroll_speed[p] = p % 4 == 2 ? 3 : p % 4;
    r.background_fill[p] = 1;
    r.sequence_page[p] = 0;
    r.display_position[p] = 1;
    r.title[p] = a_i + std::to_string(p);
    for (int s = 0; s < 4; ++s) {
      r.schedule_page[p][s] = (p + s) % 33;
      r.schedule_hour[p][s] = (p + 5 * s + 1) % 24;
    }
  }
  std::string full = "A";
  while (full.size() < 199) full += "\x88\x9f";  // 亜, 99 times after one letter
  r.title[7] = full;
  r.top_value = 3;
  r.bottom_value = 15;
  r.page_auto = 1;
  r.clock_size = 2;
  r.clock_range = 5;
  r.terminal_input = 1;
  r.alarm_mode = 1;
  r.alarm_polarity = 1;
  r.alarm_hold_time = 999;
  r.alarm_return = 0;
  r.remote_mode = 2;
  r.terminal_page = {32, 31, 30, 29, 28, 27, 26, 25};
  return r;
}

class DataFile : public ::testing::Test {
 protected:
  void SetUp() override { edition = Edition::lx; }
  void TearDown() override { edition = Edition::lx; }
  BoxRecorder boxes;
  ScratchFolder folder;
};

TEST_F(DataFile, DefaultsOfBothEditionsMatchTheLayoutByteForByte) {
  SettingsRecord lx;
  reset_settings(lx);
  EXPECT_EQ(format_data_file(lx), default_file("1", "0"));

  // kyz424 starts with a zeroed record and its reset leaves the clock fields alone.
  edition = Edition::mfc;
  SettingsRecord mfc;
  reset_settings(mfc);
  EXPECT_EQ(format_data_file(mfc), default_file("0", "0"));

  const std::string path = folder.file("defaults.dat");
  ASSERT_TRUE(write_data_file(path, mfc));
  EXPECT_EQ(test::read_bytes(path), default_file("0", "0"));
}

TEST_F(DataFile, RoundTripKeepsEveryFieldIncludingDoubleByteAndFullLengthTitles) {
  SettingsRecord written = unusual_record();
  ASSERT_EQ(written.title[7].size(), 199u);
  written.modified = 1;
  const std::string path = folder.file("every field.dat");
  ASSERT_TRUE(write_data_file(path, written));
  EXPECT_EQ(written.modified, 0);
  EXPECT_EQ(split_lines(test::read_bytes(path)).size(), 531u);

  SettingsRecord read;
  reset_settings(read);
  read.modified = 1;
  ASSERT_TRUE(read_data_file(path, read));
  EXPECT_EQ(read.data_file_path, path);
  EXPECT_EQ(read.modified, 0);
  written.data_file_path = path;
  EXPECT_EQ(read, written);
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(DataFile, FileFromOneEditionReadsTheSameInTheOther) {
  const SettingsRecord original = unusual_record();
  const std::string text = format_data_file(original);
  edition = Edition::mfc;
  SettingsRecord r;
  parse_data_file(text, r);
  EXPECT_EQ(format_data_file(r), text);
}

TEST_F(DataFile, ValuesSeparatedBySingleSpacesReadLikeLines) {
  const SettingsRecord original = unusual_record();
  std::string text = format_data_file(original);
  std::string spaced;
  for (const auto& line : split_lines(text)) spaced += line + " ";
  SettingsRecord r;
  reset_settings(r);
  const ParseResult result = parse_data_file(spaced, r);
  EXPECT_EQ(result.values_read, 531);
  EXPECT_EQ(result.bad_line, 0);
  EXPECT_EQ(r, original);
}

TEST_F(DataFile, ShortFileKeepsLaterFieldsAndStillClearsModifiedAndSetsPath) {
  const SettingsRecord before = unusual_record();
  SettingsRecord defaults;
  reset_settings(defaults);
  const auto lines = split_lines(format_data_file(defaults));
  std::string first300;
  for (int i = 0; i < 300; ++i) first300 += lines[i] + "\r\n";
  const std::string path = folder.file("short.dat");
  test::write_bytes(path, first300);

  SettingsRecord r = before;
  r.modified = 1;
  ASSERT_TRUE(read_data_file(path, r));
  EXPECT_EQ(r.modified, 0);
  EXPECT_EQ(r.data_file_path, path);
  EXPECT_TRUE(boxes.boxes.empty());
  // Lines 1..300 came from the file: up to schedule_page row 18, slot 1.
  EXPECT_EQ(r.char_color, defaults.char_color);
  EXPECT_EQ(r.page_auto, 0);
  EXPECT_EQ(r.schedule_page[17], defaults.schedule_page[17]);
  EXPECT_EQ(r.schedule_page[18][0], 33);
  // Everything after line 300 kept its earlier value.
  EXPECT_EQ(r.schedule_page[18][1], before.schedule_page[18][1]);
  EXPECT_EQ(r.schedule_page[31], before.schedule_page[31]);
  EXPECT_EQ(r.schedule_hour, before.schedule_hour);
  EXPECT_EQ(r.title, before.title);
  EXPECT_EQ(r.terminal_page, before.terminal_page);
  EXPECT_EQ(r.clock_size, 2);
}

TEST_F(DataFile, OutOfRangeValuesAreStoredUnchanged) {
  SettingsRecord r;
  reset_settings(r);
  r.scroll_speed[0] = 9;
  r.char_color[4] = -3;
  r.alarm_hold_time = 123456;
  SettingsRecord back;
  parse_data_file(format_data_file(r), back);
  EXPECT_EQ(back.scroll_speed[0], 9);
  EXPECT_EQ(back.char_color[4], -3);
  EXPECT_EQ(back.alarm_hold_time, 123456);
}

TEST_F(DataFile, EmptyTitlesAreWrittenAsSAndReadBackEmpty) {
  SettingsRecord r;
  reset_settings(r);
  const auto lines = split_lines(format_data_file(r));
  for (int line = 486; line <= 517; ++line) EXPECT_EQ(lines[line - 1], "s") << line;
  SettingsRecord back = unusual_record();
  parse_data_file(format_data_file(r), back);
  for (const auto& t : back.title) EXPECT_TRUE(t.empty());
}

TEST_F(DataFile, OverlongTitleIsCutAtTheLastWholeCharacterOfTheField) {
  SettingsRecord r;
  reset_settings(r);
  std::string long_title;
  for (int i = 0; i < 112; ++i) long_title += "\x88\x9f";  // 224 bytes, as kyz424 may keep
  r.title[0] = long_title;
  r.title[1] = "A" + long_title;  // 225 bytes
  edition = Edition::mfc;
  const std::string text = format_data_file(r);

  SettingsRecord mfc;
  parse_data_file(text, mfc);
  EXPECT_EQ(mfc.title[0], long_title);
  EXPECT_EQ(mfc.title[1].size(), 225u);

  edition = Edition::lx;
  SettingsRecord lx;
  parse_data_file(text, lx);
  EXPECT_EQ(lx.title[0], long_title.substr(0, 198));
  EXPECT_EQ(lx.title[1], "A" + long_title.substr(0, 198));
  // The title after the long ones is still in its place.
  EXPECT_TRUE(lx.title[2].empty());
  EXPECT_EQ(lx.terminal_page[7], 7);
}

TEST_F(DataFile, BlanksInsideATitleBecomeFullWidthBlanksSoLaterValuesStayInPlace) {
  SettingsRecord r;
  reset_settings(r);
  r.title[4] = "A B\tC\r\nD";
  SettingsRecord back;
  const ParseResult result = parse_data_file(format_data_file(r), back);
  EXPECT_EQ(result.values_read, 531);
  EXPECT_EQ(back.title[4], "A\x81\x40" "B\x81\x40" "C\x81\x40\x81\x40" "D");
  EXPECT_EQ(back.terminal_page, r.terminal_page);
  EXPECT_EQ(back.alarm_hold_time, 30);
}

TEST_F(DataFile, UnreadableFileNamesTheLineAndChangesNothingAtAll) {
  SettingsRecord defaults;
  reset_settings(defaults);
  auto lines = split_lines(format_data_file(defaults));
  lines[99] = "x7";  // line 100: scroll_speed of page 4
  std::string bad_token;
  for (const auto& l : lines) bad_token += l + "\r\n";
  const std::string junk("\x7f" "ELF\x02\x01\x01\0\0\x03\x00>\x00\x01\r\n\x90\x10", 18);
  const struct {
    const char* name;
    std::string text;
    const char* message;
  } files[] = {{"bad token.dat", bad_token, "Can't read line 100"},
               {"junk.bin", junk, "Can't read line 1"}};
  for (const auto& file : files) {
    SCOPED_TRACE(file.name);
    boxes.boxes.clear();
    const std::string path = folder.file(file.name);
    test::write_bytes(path, file.text);
    SettingsRecord r = unusual_record();
    r.modified = 1;
    r.data_file_path = "previous.dat";
    const SettingsRecord before = r;
    EXPECT_FALSE(read_data_file(path, r));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].kind, BoxKind::warning);
    EXPECT_EQ(boxes.boxes[0].text, file.message);
    EXPECT_EQ(r, before);
  }
}

TEST_F(DataFile, NumbersTooLargeForTheFieldAreNotGuessed) {
  SettingsRecord r;
  reset_settings(r);
  const ParseResult result = parse_data_file("7\n99999999999\n", r);
  EXPECT_EQ(result.values_read, 1);
  EXPECT_EQ(result.bad_line, 2);
  EXPECT_EQ(r.char_color[1], 7);
}

TEST_F(DataFile, MissingFileShowsCantFileOpenAndChangesNothing) {
  SettingsRecord r = unusual_record();
  r.modified = 1;
  r.data_file_path = "old.dat";
  const SettingsRecord before = r;
  EXPECT_FALSE(read_data_file(folder.file("absent.dat"), r));
  EXPECT_EQ(r, before);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "Can't file open");
  EXPECT_EQ(boxes.boxes[0].caption, "Error");
}

TEST_F(DataFile, FailedWriteKeepsThePreviousFileAndReportsFailure) {
  const std::string path = folder.file("kept.dat");
  test::write_bytes(path, "previous contents");
  // The temporary file cannot be created where a folder of that name stands.
  std::filesystem::create_directory(folder.path() / "kept.dat.saving");
  SettingsRecord r = unusual_record();
  r.modified = 1;
  EXPECT_FALSE(write_data_file(path, r));
  EXPECT_EQ(r.modified, 1);
  EXPECT_EQ(test::read_bytes(path), "previous contents");
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "Can't file open");

  // Nor can a file replace a folder: the write fails and leaves no stray file behind.
  const std::string folder_target = folder.file("a folder");
  std::filesystem::create_directory(folder.path() / "a folder");
  EXPECT_FALSE(write_data_file(folder_target, r));
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "a folder.saving"));
}

}  // namespace
}  // namespace kyz
