// The settings record: every display setting of the sign, as the dialogs edit it, the
// data file keeps it and the commands send it. One process-wide instance, `settings`.
//
// Numeric fields hold the position of the choice in the dialog's list (first = 0) or a
// plain number; values read from files or the sign are stored without range checks.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "core/settings/edition.h"

namespace kyz {

inline constexpr int page_count = 32;
inline constexpr int page_group_count = 4;     // pages 8g+1..8g+8
inline constexpr int schedule_rows = 32;       // days 1..31; row 31 is only kept
inline constexpr int schedule_days = 31;
inline constexpr int schedule_slots = 4;
inline constexpr int terminal_inputs = 8;

// Page references in the schedule and the terminal assignment: 0..31 = page 1..32.
inline constexpr int page_ref_all = 32;   // "AS"
inline constexpr int page_ref_none = 33;  // "--", schedule only

// Colour indexes of char_color and border_color.
inline constexpr int colour_black = 0;
inline constexpr int colour_white = 7;
inline constexpr int colour_blank = 8;

// Capacity of one page title in bytes: kyz424lx keeps a 200-byte field (199 bytes and a
// NUL); kyz424 reads titles through a 226-byte buffer (225 bytes).
inline constexpr std::size_t lx_title_capacity = 199;
inline constexpr std::size_t mfc_title_capacity = 225;
std::size_t title_capacity();

// The 63 bytes a 64-byte path field holds. The record keeps longer paths whole, so that
// Save writes to the file the operator chose, however deep its folder.
inline constexpr std::size_t data_file_path_capacity = 63;

template <typename T>
using PerPage = std::array<T, page_count>;
using ScheduleTable = std::array<std::array<int, schedule_slots>, schedule_rows>;

struct SettingsRecord {
  // Stored fields, in the order of the data file.
  PerPage<int> char_color{};        // colour index 0..8
  PerPage<int> border_color{};      // colour index 0..8
  PerPage<int> char_level{};        // 0 " Low", 1 "High"
  PerPage<int> scroll_speed{};      // 0 about 12 s .. 3 about 3 s
  PerPage<int> background_fill{};   // 0 "OFF", 1 " ON"
  PerPage<int> sequence_page{};     // 1 = shown in the display sequence
  PerPage<int> display_position{};  // 0 "Bottom", 1 "   Top"
  int top_value = 0;                // fine position, 0..15
  int bottom_value = 0;             // fine position, 0..15
  int page_auto = 0;                // 1 = page number "Auto"
  ScheduleTable schedule_page{};    // page reference, 33 = none
  ScheduleTable schedule_hour{};    // 0..23
  int clock_size = 0;               // 0 off, 1 small, 2 normal
  int clock_range = 0;              // 0..5
  PerPage<std::string> title;       // Shift-JIS bytes, at most title_capacity()
  int terminal_input = 0;           // 0 alarm, 1 remote
  int alarm_mode = 0;               // 0 alarm, 1 remote
  int alarm_polarity = 0;           // 0 make, 1 break
  int alarm_hold_time = 0;          // 0..999
  int alarm_return = 0;             // 0 stay, 1 go back
  int remote_mode = 0;              // 0 BCD, 1 binary, 2 bit
  std::array<int, terminal_inputs> terminal_page{};  // page reference per input

  // Transient values, never written to a data file.
  int current_page = 0;   // page of the title dialog; fixed page of the page-number list
  int page_group = 0;     // group shown by every page-group dialog
  int schedule_day = 0;   // day row of the schedule dialog
  int scroll_stop = 0;    // 0 release, 1 stop
  int display_off = 0;    // 0 shown, 1 hidden
  int modified = 0;       // changed since the last New, Open or Save
  std::string data_file_path;  // UTF-8; empty = no file yet

  bool operator==(const SettingsRecord&) const = default;
};

extern SettingsRecord settings;

// Puts every stored field back to its default, empties data_file_path and clears
// modified. Leaves the transient choices alone; kyz424 also leaves the clock size
// and range as they are.
void reset_settings(SettingsRecord& record = settings);

// Cuts a Shift-JIS byte string to at most `capacity` bytes without splitting a
// double-byte character.
std::string cut_sjis(std::string text, std::size_t capacity);

// True for a byte that starts a double-byte Shift-JIS character.
constexpr bool is_sjis_lead_byte(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

}  // namespace kyz
