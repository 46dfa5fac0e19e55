#include "core/settings/settings_record.h"

namespace kyz {

Edition edition = Edition::lx;
SettingsRecord settings;

std::size_t title_capacity() {
  return edition == Edition::lx ? lx_title_capacity : mfc_title_capacity;
}

void reset_settings(SettingsRecord& r) {
  for (int p = 0; p < page_count; ++p) {
    r.scroll_speed[p] = 2;
    r.char_level[p] = 1;
    r.sequence_page[p] = 1;
    r.background_fill[p] = 0;
    r.char_color[p] = colour_white;
    r.border_color[p] = colour_black;
    r.display_position[p] = 0;
    r.title[p].clear();
    for (int s = 0; s < schedule_slots; ++s) {
      r.schedule_hour[p][s] = 3 * s + 9;
      r.schedule_page[p][s] = page_ref_none;
    }
  }
  r.bottom_value = 8;
  r.top_value = 8;
  if (edition == Edition::lx) {
    r.clock_size = 1;
    r.clock_range = 0;
  }
  r.data_file_path.clear();
  r.page_auto = 0;
  r.modified = 0;
  r.terminal_input = 0;
  r.alarm_mode = 0;
  r.alarm_polarity = 0;
  r.alarm_hold_time = 30;
  r.alarm_return = 1;
  r.remote_mode = 0;
  for (int k = 0; k < terminal_inputs; ++k) r.terminal_page[k] = k;
}

std::string cut_sjis(std::string text, std::size_t capacity) {
  if (text.size() <= capacity) return text;
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t width = is_sjis_lead_byte(static_cast<unsigned char>(text[end])) ? 2 : 1;
    if (end + width > capacity) break;
    end += width;
  }
  text.resize(end);
  return text;
}

}  // namespace kyz
