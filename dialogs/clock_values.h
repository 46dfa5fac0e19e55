// The clock and date dialog's six values. They are not settings of the record: the
// dialog takes them from the PC's clock each time it opens, and they are neither saved,
// nor sent by the all-items send, nor read back. UI thread only.
#pragma once

#include <windows.h>

namespace kyz {

// The years the year list offers: 2000 and the 59 after it.
inline constexpr int clock_first_year = 2000;
inline constexpr int clock_year_count = 60;

struct ClockValues {
  int year_index = 0;   // year - 2000; -1 when the PC's year is not in the list
  int month_index = 0;  // month - 1
  int day_index = 0;    // day - 1
  int hour = 0;
  int minute = 0;
  int second = 0;
};

extern ClockValues clock_values;

ClockValues clock_values_from(const SYSTEMTIME& time);
// Fills clock_values from the PC's local time.
void read_pc_clock();
// "設定" of the year: sends nothing while no listed year is chosen.
void send_chosen_year();

}  // namespace kyz
