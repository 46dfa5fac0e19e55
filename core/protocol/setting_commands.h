// The text of every setting command, built from the settings record.
//
// Each function returns the whole command with its CR LF, byte for byte what the sign
// expects; both editions send the same texts. Nothing here sends: the senders in
// setting_senders.h hand these texts to send_command.
#pragma once

#include <optional>
#include <string>

#include "core/settings/settings_record.h"

namespace kyz {

// Per-page lists: 32 characters after the mnemonic, page 1 first.
std::string scroll_speed_command(const SettingsRecord& r = settings);      // "PTSS" '1'..'4'
std::string char_level_command(const SettingsRecord& r = settings);        // "PTWL" H/L
std::string background_fill_command(const SettingsRecord& r = settings);   // "PTFB" N/F
std::string display_position_command(const SettingsRecord& r = settings);  // "PTDP" T/B
std::string sequence_page_command(const SettingsRecord& r = settings);     // "PTSP" L/S

// "PTIC" with a character and a border colour digit per page. Empty when some page has
// both colours blank: the sign cannot show such a page, so nothing may be sent.
std::optional<std::string> colour_command(const SettingsRecord& r = settings);
inline constexpr const char* colour_refusal_message = "Miss! Can't Set";

std::string page_number_command(const SettingsRecord& r = settings);   // "P01".."P32", "PAS"
std::string top_value_command(const SettingsRecord& r = settings);     // "PVT"
std::string bottom_value_command(const SettingsRecord& r = settings);  // "PVB"
std::string clock_size_command(const SettingsRecord& r = settings);    // "TSDO"/"TSDS"/"TSDN"
std::string clock_range_command(const SettingsRecord& r = settings);   // "TSR1".."TSR6"

// The monthly schedule: days 1..31 (row 32 is never sent), four slots a day.
std::string schedule_hour_command(const SettingsRecord& r = settings);  // "SDTT"
std::string schedule_page_command(const SettingsRecord& r = settings);  // "SDPT"

std::string terminal_input_command(const SettingsRecord& r = settings);   // "CIA"/"CIR"
std::string alarm_mode_command(const SettingsRecord& r = settings);       // "AMI"/"AME"
std::string alarm_polarity_command(const SettingsRecord& r = settings);   // "AICM"/"AICB"
std::string alarm_hold_time_command(const SettingsRecord& r = settings);  // "ADT000".."ADT999"
std::string alarm_return_command(const SettingsRecord& r = settings);     // "ARF"/"ARB"
std::string remote_mode_command(const SettingsRecord& r = settings);      // "RMBCD"/"RMBIN"/"RMBIT"

// The terminal-block assignment: "ACA" offers pages only, "RCA" also "AS".
std::string alarm_assignment_command(const SettingsRecord& r = settings);   // "ACA"
std::string remote_assignment_command(const SettingsRecord& r = settings);  // "RCA"

// Commands from values a dialog holds without storing them.
std::string scroll_stop_command(int scroll_stop);   // "ISSOF" (0) / "ISSON" (1)
std::string display_on_off_command(int display_off);  // "IDON" (0) / "IDOF" (1)
std::string clock_year_command(int year_index);     // "DSY", year - 2000
std::string clock_month_command(int month_index);   // "DSM", 0..11 sent as 01..12
std::string clock_day_command(int day_index);       // "DSD", 0..30 sent as 01..31
std::string clock_hour_command(int hour);           // "TSH"
std::string clock_minute_command(int minute);       // "TSM"
std::string clock_second_command(int second);      // "TSS"
std::string clock_adjust_command();                 // "TSA": round to the nearest minute

}  // namespace kyz
