#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/protocol/setting_commands.h"
#include "core/protocol/setting_senders.h"
#include "tests/unit/protocol_test_support.h"

namespace kyz {
namespace {

using test::ProtocolTest;

std::string times(int n, const std::string& s) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

struct CommandCase {
  const char* what;
  std::function<void(SettingsRecord&)> set;
  std::function<std::string(const SettingsRecord&)> build;
  std::string expected;  // without CR LF
};

// Every command, from a record at its defaults changed only by `set`.
TEST(SettingCommands, EveryCommandIsByteIdenticalToItsLayout) {
  auto none = [](SettingsRecord&) {};
  const CommandCase cases[] = {
      {"all pages at speed index 2", none, [](auto& r) { return scroll_speed_command(r); },
       "PTSS" + times(32, "3")},
      {"speeds 0..3 as digits 1..4",
       [](SettingsRecord& r) { for (int p = 0; p < 32; ++p) r.scroll_speed[p] = p % 4; },
       [](auto& r) { return scroll_speed_command(r); }, "PTSS" + times(8, "1234")},
      {"pages 1 and 2 at the top",
       [](SettingsRecord& r) { r.display_position[0] = r.display_position[1] = 1; },
       [](auto& r) { return display_position_command(r); }, "PTDPTT" + times(30, "B")},
      {"level low on page 32", [](SettingsRecord& r) { r.char_level[31] = 0; },
       [](auto& r) { return char_level_command(r); }, "PTWL" + times(31, "H") + "L"},
      {"fill on page 1", [](SettingsRecord& r) { r.background_fill[0] = 1; },
       [](auto& r) { return background_fill_command(r); }, "PTFBN" + times(31, "F")},
      {"page 2 out of the sequence", [](SettingsRecord& r) { r.sequence_page[1] = 0; },
       [](auto& r) { return sequence_page_command(r); }, "PTSPLS" + times(30, "L")},
      {"white on black everywhere", none, [](auto& r) { return colour_command(r).value(); },
       "PTIC" + times(32, "70")},
      {"a blank character alone is sendable",
       [](SettingsRecord& r) { r.char_color[0] = 8; r.border_color[31] = 8; },
       [](auto& r) { return colour_command(r).value(); },
       "PTIC80" + times(30, "70") + "78"},
      {"page number Auto", [](SettingsRecord& r) { r.page_auto = 1; r.current_page = 4; },
       [](auto& r) { return page_number_command(r); }, "PAS"},
      {"fixed page 9", [](SettingsRecord& r) { r.current_page = 8; },
       [](auto& r) { return page_number_command(r); }, "P09"},
      {"top value", [](SettingsRecord& r) { r.top_value = 15; },
       [](auto& r) { return top_value_command(r); }, "PVT15"},
      {"bottom value", [](SettingsRecord& r) { r.bottom_value = 0; },
       [](auto& r) { return bottom_value_command(r); }, "PVB00"},
      {"clock off", [](SettingsRecord& r) { r.clock_size = 0; },
       [](auto& r) { return clock_size_command(r); }, "TSDO"},
      {"clock small", none, [](auto& r) { return clock_size_command(r); }, "TSDS"},
      {"clock normal", [](SettingsRecord& r) { r.clock_size = 2; },
       [](auto& r) { return clock_size_command(r); }, "TSDN"},
      {"range 0", none, [](auto& r) { return clock_range_command(r); }, "TSR1"},
      {"range 5", [](SettingsRecord& r) { r.clock_range = 5; },
       [](auto& r) { return clock_range_command(r); }, "TSR6"},
      {"terminal input alarm", none, [](auto& r) { return terminal_input_command(r); }, "CIA"},
      {"terminal input remote", [](SettingsRecord& r) { r.terminal_input = 1; },
       [](auto& r) { return terminal_input_command(r); }, "CIR"},
      {"alarm internal", none, [](auto& r) { return alarm_mode_command(r); }, "AMI"},
      {"alarm external", [](SettingsRecord& r) { r.alarm_mode = 1; },
       [](auto& r) { return alarm_mode_command(r); }, "AME"},
      {"polarity make", none, [](auto& r) { return alarm_polarity_command(r); }, "AICM"},
      {"polarity break", [](SettingsRecord& r) { r.alarm_polarity = 1; },
       [](auto& r) { return alarm_polarity_command(r); }, "AICB"},
      {"hold 30", none, [](auto& r) { return alarm_hold_time_command(r); }, "ADT030"},
      {"hold 0", [](SettingsRecord& r) { r.alarm_hold_time = 0; },
       [](auto& r) { return alarm_hold_time_command(r); }, "ADT000"},
      {"hold 999", [](SettingsRecord& r) { r.alarm_hold_time = 999; },
       [](auto& r) { return alarm_hold_time_command(r); }, "ADT999"},
      {"return stays", [](SettingsRecord& r) { r.alarm_return = 0; },
       [](auto& r) { return alarm_return_command(r); }, "ARF"},
      {"return goes back", none, [](auto& r) { return alarm_return_command(r); }, "ARB"},
      {"remote BCD", none, [](auto& r) { return remote_mode_command(r); }, "RMBCD"},
      {"remote binary", [](SettingsRecord& r) { r.remote_mode = 1; },
       [](auto& r) { return remote_mode_command(r); }, "RMBIN"},
      {"remote bit", [](SettingsRecord& r) { r.remote_mode = 2; },
       [](auto& r) { return remote_mode_command(r); }, "RMBIT"},
      {"alarm assignment as the template", none,
       [](auto& r) { return alarm_assignment_command(r); }, "ACA0102030405060708"},
      {"remote assignment with input 3 at AS", [](SettingsRecord& r) { r.terminal_page[2] = 32; },
       [](auto& r) { return remote_assignment_command(r); }, "RCA0102AS0405060708"},
      {"the last page on input 8", [](SettingsRecord& r) { r.terminal_page[7] = 31; },
       [](auto& r) { return alarm_assignment_command(r); }, "ACA0102030405060732"},
  };
  for (const CommandCase& c : cases) {
    SCOPED_TRACE(c.what);
    SettingsRecord record;
    reset_settings(record);
    c.set(record);
    EXPECT_EQ(c.build(record), c.expected + "\r\n");
  }
}

TEST(SettingCommands, DialogValuesAndClockFields) {
  EXPECT_EQ(scroll_stop_command(0), "ISSOF\r\n");
  EXPECT_EQ(scroll_stop_command(1), "ISSON\r\n");
  EXPECT_EQ(display_on_off_command(0), "IDON\r\n");
  EXPECT_EQ(display_on_off_command(1), "IDOF\r\n");
  EXPECT_EQ(clock_year_command(26), "DSY26\r\n");
  EXPECT_EQ(clock_month_command(0), "DSM01\r\n");
  EXPECT_EQ(clock_month_command(11), "DSM12\r\n");
  EXPECT_EQ(clock_day_command(30), "DSD31\r\n");
  EXPECT_EQ(clock_hour_command(23), "TSH23\r\n");
  EXPECT_EQ(clock_minute_command(5), "TSM05\r\n");
  EXPECT_EQ(clock_second_command(59), "TSS59\r\n");
  // The shortest command: five bytes, no NUL.
  const std::string tsa = clock_adjust_command();
  EXPECT_EQ(tsa, std::string("\x54\x53\x41\x0D\x0A", 5));
}

TEST(SettingCommands, ScheduleTablesCoverDaysOneToThirtyOne) {
  SettingsRecord r;
  reset_settings(r);
  r.schedule_page[14][2] = 32;  // day 15, slot 3: "AS"
  r.schedule_page[0][0] = 0;    // day 1, slot 1: page 1
  r.schedule_page[30][3] = 31;  // day 31, slot 4: page 32
  r.schedule_page[31][0] = 5;   // the 32nd row is never sent
  r.schedule_hour[0][0] = 0;
  r.schedule_hour[30][3] = 23;
  r.schedule_hour[31][0] = 7;

  const std::string pages = schedule_page_command(r);
  ASSERT_EQ(pages.size(), 254u);
  EXPECT_EQ(pages.substr(0, 4), "SDPT");
  EXPECT_EQ(pages.substr(120, 2), "AS");
  EXPECT_EQ(pages.substr(4, 8), "01000000");  // slot 1 first; 33 ("--") as "00"
  EXPECT_EQ(pages.substr(244, 8), "00000032");
  EXPECT_EQ(pages.substr(252), "\r\n");

  const std::string hours = schedule_hour_command(r);
  ASSERT_EQ(hours.size(), 254u);
  EXPECT_EQ(hours.substr(0, 12), "SDTT00121518");
  EXPECT_EQ(hours.substr(244), "09121523\r\n");
}

class SettingSenders : public ProtocolTest {};

TEST_F(SettingSenders, ColourRefusedWhenOnlyTheLastPageIsBlankOnBlank) {
  settings.char_color[31] = settings.border_color[31] = colour_blank;
  EXPECT_FALSE(send_colour());
  EXPECT_TRUE(links.serial.empty());
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "Miss! Can't Set");
  EXPECT_EQ(boxes.boxes[0].kind, BoxKind::warning);
}

TEST_F(SettingSenders, Kyz424RefusesColoursWithTheErrorBox) {
  edition = Edition::mfc;
  settings.char_color[0] = settings.border_color[0] = colour_blank;
  EXPECT_FALSE(send_colour());
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].kind, BoxKind::error);
  EXPECT_EQ(boxes.boxes[0].caption, "Error");
}

TEST_F(SettingSenders, EachSenderHandsItsTextToTheLink) {
  settings.clock_range = 2;
  send_scroll_speed();
  send_clock_range();
  EXPECT_TRUE(send_colour());
  send_display_on_off(1);
  send_clock_adjust();
  const std::vector<std::string> expected = {
      "PTSS" + times(32, "3") + "\r\n", "TSR3\r\n", "PTIC" + times(32, "70") + "\r\n",
      "IDOF\r\n", "TSA\r\n"};
  EXPECT_EQ(links.serial, expected);
  EXPECT_TRUE(boxes.boxes.empty());
}

}  // namespace
}  // namespace kyz
