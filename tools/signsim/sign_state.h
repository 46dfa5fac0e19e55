// Everything the simulated sign remembers: the value of every setting it was sent, in
// the sign's own terms (the letters and numbers of its command lines), plus the few
// one-shot values (scroll stop, display on/off, clock) that it accepts but never reports.
#pragma once

#include <array>

namespace kyz::signsim {

inline constexpr int sign_pages = 32;
inline constexpr int sign_schedule_days = 31;
inline constexpr int sign_schedule_slots = 4;
inline constexpr int sign_terminal_inputs = 8;
inline constexpr int title_codes = 98;       // character codes per page title
inline constexpr unsigned blank_code = 0x2121;  // full-width space

using PageLetters = std::array<char, sign_pages>;
using TitleCodes = std::array<unsigned, title_codes>;

struct SignState {
  PageLetters scroll_speed{};      // '1'..'4'
  PageLetters char_level{};        // 'H' high, 'L' low
  PageLetters background_fill{};   // 'N' on, 'F' off
  PageLetters display_position{};  // 'T' top, 'B' bottom
  PageLetters sequence_page{};     // 'L' in the display sequence, 'S' skipped
  std::array<int, sign_pages> char_color{};    // 0..8
  std::array<int, sign_pages> border_color{};  // 0..8

  bool page_auto = false;
  int fixed_page = 1;  // 1..32
  int top_value = 8;     // 0..15
  int bottom_value = 8;  // 0..15
  char clock_size = 'S';  // 'O' off, 'S' small, 'N' normal
  int clock_range = 1;    // 1..6

  // Day d (0..30), slot s (0..3).
  std::array<std::array<int, sign_schedule_slots>, sign_schedule_days> schedule_hour{};
  std::array<std::array<int, sign_schedule_slots>, sign_schedule_days> schedule_page{};

  char terminal_input = 'A';  // 'A' alarm block, 'R' remote block
  char alarm_mode = 'I';      // "AMI" / "AME"
  char alarm_polarity = 'M';  // "AICM" make / "AICB" break
  int alarm_hold_time = 30;   // 0..999
  char alarm_return = 'B';    // "ARF" / "ARB"
  char remote_mode = 'D';     // last letter of "RMBCD" / "RMBIN" / "RMBIT"
  // One assignment for both the alarm ("ACA") and the remote ("RCA") form: the
  // terminal block is either one or the other, so both commands edit the same pages.
  std::array<int, sign_terminal_inputs> terminal_page{};  // page codes, "AS" allowed

  std::array<TitleCodes, sign_pages> titles{};  // stored by "CA"
  TitleCodes shown_title{};                      // last text shown by "CN"
  int shown_page = 0;                            // 0 = none shown yet

  bool scroll_stopped = false;
  bool display_on = true;
  int clock_year = 0, clock_month = 1, clock_day = 1;
  int clock_hour = 0, clock_minute = 0, clock_second = 0;
  int clock_corrections = 0;  // "TSA" count
};

// The state of a sign fresh from the factory: the same values an operator's tool starts
// with, so that reading back a new sign gives the tool's defaults.
SignState factory_state();

}  // namespace kyz::signsim
