#include "core/protocol/readback.h"

#include "core/protocol/command_text.h"
#include "core/protocol/title_command.h"

namespace kyz {
namespace {

// A received reply with the zero fill of the buffer it arrived in: a position beyond
// the line reads as NUL.
class Reply {
 public:
  explicit Reply(std::string_view text) : text_(text) {}
  char at(std::size_t p) const { return p < text_.size() ? text_[p] : '\0'; }
  int digit(std::size_t p) const { return at(p) - '0'; }
  int decimal2(std::size_t p) const { return digit(p) * 10 + digit(p + 1); }
  std::string_view text() const { return text_; }

 private:
  std::string_view text_;
};

constexpr std::size_t page_list_start = 4;
constexpr std::size_t assignment_start = 3;

// Day row r, slot s of a schedule reply.
constexpr std::size_t schedule_position(int row, int slot) { return 4 + 8 * row + 2 * slot; }

void page_flags(const Reply& reply, PerPage<int>& field, char when_one) {
  for (int i = 0; i < page_count; ++i) field[i] = reply.at(page_list_start + i) == when_one ? 1 : 0;
}

// Both assignment replies read "AS" as page reference 32: the terminal block has one
// assignment, and the remote dialog may have given an input "AS" that the sign then
// also reports in its "ACA" reply. Read as digits it would become 204.
int assignment_entry(const Reply& reply, std::size_t p) {
  if (reply.at(p) == 'A' && reply.at(p + 1) == 'S') return page_ref_all;
  return reply.decimal2(p) - 1;
}

void decode_assignment(const Reply& reply, SettingsRecord& r) {
  for (int i = 0; i < terminal_inputs; ++i) {
    r.terminal_page[i] = assignment_entry(reply, assignment_start + 2 * i);
  }
}

void decode_hold_time(const Reply& reply, SettingsRecord& r) {
  r.alarm_hold_time = 100 * reply.digit(3) + 10 * reply.digit(4) + reply.digit(5);
}

void decode_polarity(const Reply& reply, SettingsRecord& r) {
  r.alarm_polarity = reply.at(3) == 'B' ? 1 : 0;
}

void decode_alarm_mode(const Reply& reply, SettingsRecord& r) {
  r.alarm_mode = reply.at(2) == 'E' ? 1 : 0;
}

void decode_alarm_return(const Reply& reply, SettingsRecord& r) {
  r.alarm_return = reply.at(2) == 'B' ? 1 : 0;
}

void decode_title(const Reply& reply, SettingsRecord& r) { title_reply_decoder(reply.text(), r); }

void decode_terminal_input(const Reply& reply, SettingsRecord& r) {
  r.terminal_input = reply.at(2) == 'R' ? 1 : 0;
}

void decode_display_position(const Reply& reply, SettingsRecord& r) {
  page_flags(reply, r.display_position, 'T');
}

void decode_background_fill(const Reply& reply, SettingsRecord& r) {
  page_flags(reply, r.background_fill, 'N');
}

void decode_colours(const Reply& reply, SettingsRecord& r) {
  for (int i = 0; i < page_count; ++i) {
    r.char_color[i] = reply.digit(4 + 2 * i);
    r.border_color[i] = reply.digit(5 + 2 * i);
  }
}

void decode_sequence_page(const Reply& reply, SettingsRecord& r) {
  page_flags(reply, r.sequence_page, 'L');
}

void decode_scroll_speed(const Reply& reply, SettingsRecord& r) {
  for (int i = 0; i < page_count; ++i) r.scroll_speed[i] = reply.at(page_list_start + i) - '1';
}

void decode_char_level(const Reply& reply, SettingsRecord& r) {
  page_flags(reply, r.char_level, 'H');
}

void decode_bottom_value(const Reply& reply, SettingsRecord& r) { r.bottom_value = reply.decimal2(3); }

void decode_top_value(const Reply& reply, SettingsRecord& r) { r.top_value = reply.decimal2(3); }

void decode_remote_mode(const Reply& reply, SettingsRecord& r) {
  const char c = reply.at(4);
  r.remote_mode = c == 'D' ? 0 : c == 'N' ? 1 : 2;
}

void decode_schedule_pages(const Reply& reply, SettingsRecord& r) {
  for (int row = 0; row < schedule_days; ++row) {
    for (int slot = 0; slot < schedule_slots; ++slot) {
      const std::size_t p = schedule_position(row, slot);
      int value;
      if (reply.at(p) == 'A' && reply.at(p + 1) == 'S') {
        value = page_ref_all;
      } else if (reply.at(p) == '0' && reply.at(p + 1) == '0') {
        value = page_ref_none;
      } else {
        value = reply.decimal2(p) - 1;
      }
      r.schedule_page[row][slot] = value;
    }
  }
}

void decode_schedule_hours(const Reply& reply, SettingsRecord& r) {
  for (int row = 0; row < schedule_days; ++row) {
    for (int slot = 0; slot < schedule_slots; ++slot) {
      r.schedule_hour[row][slot] = reply.decimal2(schedule_position(row, slot));
    }
  }
}

void decode_clock_size(const Reply& reply, SettingsRecord& r) {
  const char c = reply.at(3);
  r.clock_size = c == 'O' ? 0 : c == 'S' ? 1 : 2;
}

void decode_clock_range(const Reply& reply, SettingsRecord& r) { r.clock_range = reply.at(3) - '1'; }

struct Decoder {
  std::string_view prefix;
  void (*decode)(const Reply&, SettingsRecord&);
};

// In the order the prefixes are tested.
constexpr Decoder decoders[] = {
    {"ACA", decode_assignment},  {"ADT", decode_hold_time},
    {"AIC", decode_polarity},          {"AM", decode_alarm_mode},
    {"AR", decode_alarm_return},       {"CA", decode_title},
    {"CI", decode_terminal_input},     {"PTDP", decode_display_position},
    {"PTFB", decode_background_fill},  {"PTIC", decode_colours},
    {"PTSP", decode_sequence_page},    {"PTSS", decode_scroll_speed},
    {"PTWL", decode_char_level},       {"PVB", decode_bottom_value},
    {"PVT", decode_top_value},         {"RCA", decode_assignment},
    {"RM", decode_remote_mode},        {"SDPT", decode_schedule_pages},
    {"SDTT", decode_schedule_hours},   {"TSD", decode_clock_size},
    {"TSR", decode_clock_range},
};

// Requests after the 32 title requests, in the order they are sent.
constexpr std::string_view setting_requests[] = {
    "RACA", "RADT", "RAIC",  "RAM",  "RAR",  "RCI",   "RP",    "RPTDP", "RPTFB", "RPTIC", "RPTSP",
    "RPTSS", "RPTWL", "RPVB", "RPVT", "RRCA", "RRM", "RSDPT", "RSDTT", "RTSD", "RTSR",
};

}  // namespace

std::string_view decode_readback_reply(std::string_view text, SettingsRecord& record) {
  const Reply reply(text);
  for (const Decoder& decoder : decoders) {
    if (text.starts_with(decoder.prefix)) {
      decoder.decode(reply, record);
      return decoder.prefix;
    }
  }
  return {};
}

std::vector<std::string> readback_requests(Edition program, bool over_tcp) {
  std::vector<std::string> requests;
  for (int page = 1; page <= page_count; ++page) requests.push_back(framed("RCA" + decimal2(page)));
  for (const std::string_view request : setting_requests) requests.push_back(framed(request));
  if (program == Edition::lx && over_tcp) requests.push_back(framed("RTSR"));
  return requests;
}

}  // namespace kyz
