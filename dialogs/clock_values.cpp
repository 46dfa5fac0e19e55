#include "dialogs/clock_values.h"

#include "core/protocol/setting_senders.h"

namespace kyz {

ClockValues clock_values;

ClockValues clock_values_from(const SYSTEMTIME& time) {
  const int year_index = time.wYear - clock_first_year;
  ClockValues v;
  v.year_index = year_index >= 0 && year_index < clock_year_count ? year_index : -1;
  v.month_index = time.wMonth - 1;
  v.day_index = time.wDay - 1;
  v.hour = time.wHour;
  v.minute = time.wMinute;
  v.second = time.wSecond;
  return v;
}

void read_pc_clock() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  clock_values = clock_values_from(now);
}

// A year outside the list would otherwise go out as some other year's two digits.
void send_chosen_year() {
  if (clock_values.year_index < 0 || clock_values.year_index >= clock_year_count) return;
  send_clock_year(clock_values.year_index);
}

}  // namespace kyz
