#include "core/protocol/setting_senders.h"

#include "core/protocol/send_path.h"
#include "core/protocol/setting_commands.h"
#include "core/settings/edition.h"
#include "core/ui/message_boxes.h"

namespace kyz {

void send_scroll_speed() { send_command(scroll_speed_command()); }
void send_char_level() { send_command(char_level_command()); }
void send_background_fill() { send_command(background_fill_command()); }
void send_display_position() { send_command(display_position_command()); }
void send_sequence_page() { send_command(sequence_page_command()); }

void report_colour_refusal() {
  if (edition == Edition::mfc) {
    error_box(colour_refusal_message);
  } else {
    warning_box(colour_refusal_message);
  }
}

bool send_colour() {
  const std::optional<std::string> text = colour_command();
  if (!text) {
    report_colour_refusal();
    return false;
  }
  send_command(*text);
  return true;
}

void send_page_number() { send_command(page_number_command()); }
void send_top_value() { send_command(top_value_command()); }
void send_bottom_value() { send_command(bottom_value_command()); }
void send_clock_size() { send_command(clock_size_command()); }
void send_clock_range() { send_command(clock_range_command()); }
void send_schedule_hours() { send_command(schedule_hour_command()); }
void send_schedule_pages() { send_command(schedule_page_command()); }
void send_terminal_input() { send_command(terminal_input_command()); }
void send_alarm_mode() { send_command(alarm_mode_command()); }
void send_alarm_polarity() { send_command(alarm_polarity_command()); }
void send_alarm_hold_time() { send_command(alarm_hold_time_command()); }
void send_alarm_return() { send_command(alarm_return_command()); }
void send_remote_mode() { send_command(remote_mode_command()); }
void send_alarm_assignment() { send_command(alarm_assignment_command()); }
void send_remote_assignment() { send_command(remote_assignment_command()); }
void send_scroll_stop(int scroll_stop) { send_command(scroll_stop_command(scroll_stop)); }
void send_display_on_off(int display_off) { send_command(display_on_off_command(display_off)); }
void send_clock_year(int year_index) { send_command(clock_year_command(year_index)); }
void send_clock_month(int month_index) { send_command(clock_month_command(month_index)); }
void send_clock_day(int day_index) { send_command(clock_day_command(day_index)); }
void send_clock_hour(int hour) { send_command(clock_hour_command(hour)); }
void send_clock_minute(int minute) { send_command(clock_minute_command(minute)); }
void send_clock_second(int second) { send_command(clock_second_command(second)); }
void send_clock_adjust() { send_command(clock_adjust_command()); }

}  // namespace kyz
