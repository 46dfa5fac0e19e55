#include "core/protocol/setting_commands.h"

#include <string_view>

#include "core/protocol/command_text.h"

namespace kyz {
namespace {

// One per-page list command: the mnemonic and how a page's value becomes its character.
struct PageListCommand {
  std::string_view mnemonic;
  PerPage<int> SettingsRecord::*field;
  char (*encode)(int value);
};

char speed_digit(int v) { return digit1(v); }
char level_letter(int v) { return v == 1 ? 'H' : 'L'; }
char fill_letter(int v) { return v == 1 ? 'N' : 'F'; }
char position_letter(int v) { return v == 1 ? 'T' : 'B'; }
char sequence_letter(int v) { return v == 1 ? 'L' : 'S'; }

constexpr PageListCommand scroll_speed_list{"PTSS", &SettingsRecord::scroll_speed, speed_digit};
constexpr PageListCommand char_level_list{"PTWL", &SettingsRecord::char_level, level_letter};
constexpr PageListCommand background_fill_list{"PTFB", &SettingsRecord::background_fill,
                                               fill_letter};
constexpr PageListCommand display_position_list{"PTDP", &SettingsRecord::display_position,
                                                position_letter};
constexpr PageListCommand sequence_page_list{"PTSP", &SettingsRecord::sequence_page,
                                             sequence_letter};

std::string page_list(const PageListCommand& command, const SettingsRecord& r) {
  std::string body(command.mnemonic);
  for (const int value : r.*command.field) body += command.encode(value);
  return framed(body);
}

// A switch command: the template text as sent for 0, and the letters that replace its
// tail for a non-zero value.
std::string switch_command(std::string_view when_zero, int value, std::string_view tail) {
  std::string body(when_zero);
  if (value != 0) body.replace(body.size() - tail.size(), tail.size(), tail);
  return framed(body);
}

std::string with_number(std::string_view mnemonic, const std::string& digits) {
  return framed(std::string(mnemonic) + digits);
}

std::string schedule_table(std::string_view mnemonic, const ScheduleTable& table,
                           std::string (*encode)(int)) {
  std::string body(mnemonic);
  for (int day = 0; day < schedule_days; ++day) {
    for (int slot = 0; slot < schedule_slots; ++slot) body += encode(table[day][slot]);
  }
  return framed(body);
}

std::string hour_entry(int v) { return decimal2(v); }
std::string schedule_page_entry(int v) { return page_code(v, true); }

std::string assignment(std::string_view mnemonic, const SettingsRecord& r, bool offers_all) {
  std::string body(mnemonic);
  for (const int page : r.terminal_page) {
    body += offers_all ? page_code(page, false) : decimal2(page + 1);
  }
  return framed(body);
}

}  // namespace

std::string scroll_speed_command(const SettingsRecord& r) { return page_list(scroll_speed_list, r); }
std::string char_level_command(const SettingsRecord& r) { return page_list(char_level_list, r); }
std::string background_fill_command(const SettingsRecord& r) {
  return page_list(background_fill_list, r);
}
std::string display_position_command(const SettingsRecord& r) {
  return page_list(display_position_list, r);
}
std::string sequence_page_command(const SettingsRecord& r) {
  return page_list(sequence_page_list, r);
}

std::optional<std::string> colour_command(const SettingsRecord& r) {
  for (int page = 0; page < page_count; ++page) {
    if (r.char_color[page] == colour_blank && r.border_color[page] == colour_blank) {
      return std::nullopt;
    }
  }
  std::string body = "PTIC";
  for (int page = 0; page < page_count; ++page) {
    body += digit0(r.char_color[page]);
    body += digit0(r.border_color[page]);
  }
  return framed(body);
}

std::string page_number_command(const SettingsRecord& r) {
  return with_number("P", r.page_auto == 1 ? std::string("AS") : decimal2(r.current_page + 1));
}
std::string top_value_command(const SettingsRecord& r) {
  return with_number("PVT", decimal2(r.top_value));
}
std::string bottom_value_command(const SettingsRecord& r) {
  return with_number("PVB", decimal2(r.bottom_value));
}

std::string clock_size_command(const SettingsRecord& r) {
  if (r.clock_size == 1) return framed("TSDS");
  if (r.clock_size == 2) return framed("TSDN");
  return framed("TSDO");
}
std::string clock_range_command(const SettingsRecord& r) {
  return with_number("TSR", std::string(1, digit1(r.clock_range)));
}

std::string schedule_hour_command(const SettingsRecord& r) {
  return schedule_table("SDTT", r.schedule_hour, hour_entry);
}
std::string schedule_page_command(const SettingsRecord& r) {
  return schedule_table("SDPT", r.schedule_page, schedule_page_entry);
}

std::string terminal_input_command(const SettingsRecord& r) {
  return switch_command("CIA", r.terminal_input, "R");
}
std::string alarm_mode_command(const SettingsRecord& r) {
  return switch_command("AMI", r.alarm_mode, "E");
}
std::string alarm_polarity_command(const SettingsRecord& r) {
  return switch_command("AICM", r.alarm_polarity, "B");
}
std::string alarm_hold_time_command(const SettingsRecord& r) {
  return with_number("ADT", decimal3(r.alarm_hold_time));
}
std::string alarm_return_command(const SettingsRecord& r) {
  return switch_command("ARF", r.alarm_return, "B");
}
std::string remote_mode_command(const SettingsRecord& r) {
  if (r.remote_mode == 1) return framed("RMBIN");
  if (r.remote_mode == 2) return framed("RMBIT");
  return framed("RMBCD");
}

std::string alarm_assignment_command(const SettingsRecord& r) { return assignment("ACA", r, false); }
std::string remote_assignment_command(const SettingsRecord& r) { return assignment("RCA", r, true); }

std::string scroll_stop_command(int scroll_stop) {
  return switch_command("ISSOF", scroll_stop, "N");
}
std::string display_on_off_command(int display_off) {
  return switch_command("IDON", display_off, "F");
}
std::string clock_year_command(int year_index) { return with_number("DSY", decimal2(year_index)); }
std::string clock_month_command(int month_index) {
  return with_number("DSM", decimal2(month_index + 1));
}
std::string clock_day_command(int day_index) { return with_number("DSD", decimal2(day_index + 1)); }
std::string clock_hour_command(int hour) { return with_number("TSH", decimal2(hour)); }
std::string clock_minute_command(int minute) { return with_number("TSM", decimal2(minute)); }
std::string clock_second_command(int second) { return with_number("TSS", decimal2(second)); }
std::string clock_adjust_command() { return framed("TSA"); }

}  // namespace kyz
