#include "tools/signsim/sign_state.h"

#include "tools/signsim/wire_fields.h"

namespace kyz::signsim {

SignState factory_state() {
  SignState s;
  s.scroll_speed.fill('3');
  s.char_level.fill('H');
  s.background_fill.fill('F');
  s.display_position.fill('B');
  s.sequence_page.fill('L');
  s.char_color.fill(7);
  s.border_color.fill(0);
  for (auto& day : s.schedule_hour) day = {9, 12, 15, 18};
  for (auto& day : s.schedule_page) day.fill(page_code_none);
  for (int k = 0; k < sign_terminal_inputs; ++k) s.terminal_page[static_cast<std::size_t>(k)] = k + 1;
  for (auto& title : s.titles) title.fill(blank_code);
  s.shown_title.fill(blank_code);
  return s;
}

}  // namespace kyz::signsim
