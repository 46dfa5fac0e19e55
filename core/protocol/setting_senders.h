// The "設定" buttons' senders: each builds its command from the settings record (or the
// dialog's value) and hands it to send_command.
#pragma once

namespace kyz {

void send_scroll_speed();      // "PTSS"
void send_char_level();        // "PTWL"
void send_background_fill();   // "PTFB"
void send_display_position();  // "PTDP"
void send_sequence_page();     // "PTSP"
// "PTIC"; when a page has both colours blank shows "Miss! Can't Set" (warning_box in
// kyz424lx, error_box in kyz424), sends nothing and returns false.
bool send_colour();
void send_page_number();       // "P"
void send_top_value();         // "PVT"
void send_bottom_value();      // "PVB"
void send_clock_size();        // "TSD"
void send_clock_range();       // "TSR"
void send_schedule_hours();    // "SDTT"
void send_schedule_pages();    // "SDPT"
void send_terminal_input();    // "CIA"/"CIR"
void send_alarm_mode();        // "AMI"/"AME"
void send_alarm_polarity();    // "AICM"/"AICB"
void send_alarm_hold_time();   // "ADT"
void send_alarm_return();      // "ARF"/"ARB"
void send_remote_mode();       // "RMB.."
void send_alarm_assignment();  // "ACA"
void send_remote_assignment(); // "RCA"
void send_scroll_stop(int scroll_stop);
void send_display_on_off(int display_off);
void send_clock_year(int year_index);
void send_clock_month(int month_index);
void send_clock_day(int day_index);
void send_clock_hour(int hour);
void send_clock_minute(int minute);
void send_clock_second(int second);
void send_clock_adjust();      // "TSA"

// Shows the colour command's refusal in this edition's box.
void report_colour_refusal();

}  // namespace kyz
