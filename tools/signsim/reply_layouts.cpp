#include "tools/signsim/reply_layouts.h"

#include "tools/signsim/wire_fields.h"

namespace kyz::signsim {

std::string page_list_reply(const char* mnemonic, const PageLetters& letters) {
  return std::string(mnemonic) + std::string(letters.begin(), letters.end());
}

std::string colour_reply(const SignState& s) {
  std::string text = "PTIC";
  for (int p = 0; p < sign_pages; ++p) {
    text += static_cast<char>('0' + s.char_color[static_cast<std::size_t>(p)]);
    text += static_cast<char>('0' + s.border_color[static_cast<std::size_t>(p)]);
  }
  return text;
}

std::string page_number_reply(const SignState& s) {
  return s.page_auto ? std::string("PAS") : "P" + write_decimal(s.fixed_page, 2);
}

std::string top_value_reply(const SignState& s) { return "PVT" + write_decimal(s.top_value, 2); }

std::string bottom_value_reply(const SignState& s) {
  return "PVB" + write_decimal(s.bottom_value, 2);
}

std::string clock_size_reply(const SignState& s) { return std::string("TSD") + s.clock_size; }

std::string clock_range_reply(const SignState& s) {
  return "TSR" + write_decimal(s.clock_range, 1);
}

std::string schedule_hour_reply(const SignState& s) {
  std::string text = "SDTT";
  for (const auto& day : s.schedule_hour)
    for (int hour : day) text += write_decimal(hour, 2);
  return text;
}

std::string schedule_page_reply(const SignState& s) {
  std::string text = "SDPT";
  for (const auto& day : s.schedule_page)
    for (int code : day) text += write_page_code(code);
  return text;
}

std::string terminal_input_reply(const SignState& s) { return std::string("CI") + s.terminal_input; }
std::string alarm_mode_reply(const SignState& s) { return std::string("AM") + s.alarm_mode; }
std::string alarm_polarity_reply(const SignState& s) { return std::string("AIC") + s.alarm_polarity; }
std::string hold_time_reply(const SignState& s) { return "ADT" + write_decimal(s.alarm_hold_time, 3); }
std::string alarm_return_reply(const SignState& s) { return std::string("AR") + s.alarm_return; }

std::string remote_mode_reply(const SignState& s) {
  switch (s.remote_mode) {
    case 'N': return "RMBIN";
    case 'T': return "RMBIT";
    default: return "RMBCD";
  }
}

std::string terminal_pages_reply(const char* mnemonic, const SignState& s) {
  std::string text = mnemonic;
  for (int code : s.terminal_page) text += write_page_code(code);
  return text;
}

std::string title_reply(const SignState& s, int page) {
  std::string text = "CA" + write_decimal(page, 2);
  for (unsigned code : s.titles[static_cast<std::size_t>(page - 1)]) text += write_hex4(code);
  return text;
}

}  // namespace kyz::signsim
