// The file commands' order of questions, dialogs and writes, with the dialogs replaced
// by a recording stand-in and the real data files in a scratch folder.
#include <gtest/gtest.h>


#include "core/protocol/protocol_state.h"
#include "core/settings/data_file.h"
#include "core/settings/settings_record.h"
#include "dialogs/file_commands.h"
#include "tests/unit/scripted_file_ui.h"
#include "tests/unit/test_support.h"

namespace kyz {
namespace {

using test::BoxRecorder;
using test::ScriptedFileUi;

class FileCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    edition = Edition::lx;
    reset_settings();
    sequence_step = 0;
  }
  void TearDown() override {
    sequence_step = 0;
    reset_settings();
  }
  // An unsaved edit, as a dialog makes it.
  void edit() {
    settings.scroll_speed[2] = 0;
    settings.modified = 1;
  }
  std::vector<std::string> texts() const {
    std::vector<std::string> t;
    for (const auto& b : boxes.boxes) t.push_back(b.text);
    return t;
  }

  BoxRecorder boxes;
  ScriptedFileUi ui;
  test::ScratchFolder folder;
};

TEST_F(FileCommands, NewAndOpenDoNothingWhileATimedSequenceRuns) {
  edit();
  settings.data_file_path = folder.file("a.dat");
  sequence_step = 5;
  const SettingsRecord before = settings;
  file_new(ui);
  file_open(ui);
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_EQ(ui.open_dialogs, 0);
  EXPECT_EQ(settings, before);
}

TEST_F(FileCommands, NewAnsweredNoKeepsRecordModifiedAndName) {
  edit();
  settings.data_file_path = folder.file("kept.dat");
  const SettingsRecord before = settings;
  boxes.answer = BoxAnswer::no;
  file_new(ui);
  ASSERT_EQ(texts(), std::vector<std::string>{"データを保存せずに新規作成しますか？"});
  EXPECT_EQ(boxes.boxes[0].kind, BoxKind::question);
  EXPECT_EQ(boxes.boxes[0].caption, "KYZ-424LX");
  EXPECT_EQ(settings, before);
  EXPECT_EQ(ui.repainted, 0);
}

TEST_F(FileCommands, NewAnsweredYesOrWithoutChangesResetsAndBlanksTheName) {
  edit();
  settings.data_file_path = folder.file("old.dat");
  boxes.answer = BoxAnswer::yes;
  file_new(ui);
  EXPECT_EQ(settings.scroll_speed[2], 2);
  EXPECT_EQ(settings.modified, 0);
  EXPECT_TRUE(settings.data_file_path.empty());
  EXPECT_EQ(ui.repainted, 1);

  boxes.boxes.clear();
  file_new(ui);  // nothing unsaved: no question
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_EQ(ui.repainted, 2);
}

TEST_F(FileCommands, OpenAsksAboutChangesThenReadsTheChosenFile) {
  const std::string path = folder.file("saved.dat");
  SettingsRecord other;
  reset_settings(other);
  other.char_level[31] = 0;
  test::write_bytes(path, format_data_file(other));

  edit();
  boxes.answer = BoxAnswer::no;
  ui.answers = {path};
  file_open(ui);
  EXPECT_EQ(ui.open_dialogs, 0);  // No keeps the changes and opens nothing
  EXPECT_EQ(settings.scroll_speed[2], 0);

  boxes.answer = BoxAnswer::yes;
  file_open(ui);
  EXPECT_EQ(ui.open_dialogs, 1);
  EXPECT_EQ(settings.char_level[31], 0);
  EXPECT_EQ(settings.scroll_speed[2], 2);
  EXPECT_EQ(settings.data_file_path, path);
  EXPECT_EQ(settings.modified, 0);
  EXPECT_EQ(ui.repainted, 1);  // the panel shows the new name at once
}

TEST_F(FileCommands, OpenOfAMissingFileOrACancelChangesNothing) {
  settings.data_file_path = folder.file("current.dat");
  ui.answers = {std::nullopt, folder.file("missing.dat")};
  file_open(ui);
  EXPECT_TRUE(boxes.boxes.empty());
  file_open(ui);
  EXPECT_EQ(texts(), std::vector<std::string>{"Can't file open"});
  EXPECT_EQ(boxes.boxes[0].kind, BoxKind::warning);
  EXPECT_EQ(settings.data_file_path, folder.file("current.dat"));
  EXPECT_EQ(ui.repainted, 0);
}

TEST_F(FileCommands, SaveWithoutAFileSaysSoAndWritesNothing) {
  edit();
  file_save(ui);
  EXPECT_EQ(texts(), std::vector<std::string>{"Don't file open"});
  EXPECT_EQ(boxes.boxes[0].kind, BoxKind::warning);
  EXPECT_EQ(settings.modified, 1);
  EXPECT_EQ(ui.save_dialogs, 0);
}

TEST_F(FileCommands, SaveAsWritesTheFileAndMakesItCurrentThenSaveReusesIt) {
  const std::string path = folder.file("new.dat");
  edit();
  ui.answers = {path};
  file_save_as(ui);
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_EQ(settings.data_file_path, path);
  EXPECT_EQ(settings.modified, 0);
  EXPECT_EQ(ui.repainted, 1);
  EXPECT_EQ(test::read_bytes(path), format_data_file(settings));

  settings.char_color[0] = 3;
  settings.modified = 1;
  file_save(ui);
  EXPECT_EQ(ui.save_dialogs, 1);
  EXPECT_EQ(test::read_bytes(path), format_data_file(settings));
  EXPECT_EQ(settings.modified, 0);
}

TEST_F(FileCommands, SaveAsIntoAMissingFolderKeepsNameAndChanges) {
  edit();
  settings.data_file_path = folder.file("current.dat");
  ui.answers = {folder.file("no-such-folder/new.dat")};
  file_save_as(ui);
  EXPECT_EQ(texts(), std::vector<std::string>{"Can't file open"});
  EXPECT_EQ(settings.data_file_path, folder.file("current.dat"));
  EXPECT_EQ(settings.modified, 1);
}

TEST_F(FileCommands, SaveAsKeepsAPathLongerThanTheSixtyFourByteField) {
  const std::string path = folder.file(std::string(120, 'n') + ".dat");
  ASSERT_GT(path.size(), data_file_path_capacity);
  ui.answers = {path};
  file_save_as(ui);
  EXPECT_EQ(settings.data_file_path, path);
  EXPECT_EQ(test::read_bytes(path), format_data_file(settings));
}

TEST_F(FileCommands, ExitWithoutChangesAsksNothing) {
  exit_prompt(ui);
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_EQ(ui.save_dialogs, 0);
}

TEST_F(FileCommands, ExitAnsweredYesDropsTheChanges) {
  edit();
  settings.data_file_path = folder.file("untouched.dat");
  boxes.answer = BoxAnswer::yes;
  exit_prompt(ui);
  EXPECT_EQ(texts(), std::vector<std::string>{"データを保存せずに終了しますか？"});
  EXPECT_EQ(test::read_bytes(folder.file("untouched.dat")), "");
}

TEST_F(FileCommands, ExitAnsweredNoSavesToTheCurrentFileWithoutADialog) {
  edit();
  const std::string path = folder.file("current.dat");
  settings.data_file_path = path;
  exit_prompt(ui);
  EXPECT_EQ(ui.save_dialogs, 0);
  EXPECT_EQ(test::read_bytes(path), format_data_file(settings));
}

TEST_F(FileCommands, ExitAnsweredNoWithoutAFileAsksForANameAndACancelSavesNothing) {
  edit();
  ui.answers = {std::nullopt};
  exit_prompt(ui);
  EXPECT_EQ(ui.save_dialogs, 1);
  EXPECT_EQ(texts(), std::vector<std::string>{"データを保存せずに終了しますか？"});
  EXPECT_TRUE(settings.data_file_path.empty());

  const std::string path = folder.file("at-exit.dat");
  ui.answers = {path};
  exit_prompt(ui);
  EXPECT_EQ(test::read_bytes(path), format_data_file(settings));
}

}  // namespace
}  // namespace kyz
