#include "tools/signsim/sign_commands.h"

#include <optional>

#include "tools/signsim/reply_layouts.h"
#include "tools/signsim/wire_fields.h"

namespace kyz::signsim {
namespace {

using Setter = bool (*)(std::string_view params, SignState& s);

// A setting command: the mnemonic, the length of the whole text without CR LF, and the
// parser that checks the parameters and stores them only when all of them are valid.
struct SettingCommand {
  std::string_view mnemonic;
  std::size_t length;
  Setter store;
};

// A per-page list of 32 letters, each one of `allowed`.
bool store_page_letters(std::string_view params, std::string_view allowed, PageLetters& into) {
  if (params.size() != sign_pages) return false;
  for (char c : params)
    if (allowed.find(c) == std::string_view::npos) return false;
  for (int p = 0; p < sign_pages; ++p) into[static_cast<std::size_t>(p)] = params[static_cast<std::size_t>(p)];
  return true;
}

// Decimal digits within [low, high].
std::optional<int> read_bounded(std::string_view digits, int low, int high) {
  const auto value = read_decimal(digits);
  if (!value || *value < low || *value > high) return std::nullopt;
  return value;
}

bool store_bounded(std::string_view digits, int low, int high, int& into) {
  const auto value = read_bounded(digits, low, high);
  if (!value) return false;
  into = *value;
  return true;
}

bool store_colours(std::string_view params, SignState& s) {
  std::array<int, sign_pages> chars{}, borders{};
  for (std::size_t p = 0; p < sign_pages; ++p) {
    const auto c = read_bounded(params.substr(2 * p, 1), 0, 8);
    const auto b = read_bounded(params.substr(2 * p + 1, 1), 0, 8);
    // A page with neither characters nor border cannot be shown.
    if (!c || !b || (*c == 8 && *b == 8)) return false;
    chars[p] = *c;
    borders[p] = *b;
  }
  s.char_color = chars;
  s.border_color = borders;
  return true;
}

bool store_page_number(std::string_view params, SignState& s) {
  const auto code = read_page_code(params, /*allow_all=*/true, /*allow_none=*/false);
  if (!code) return false;
  s.page_auto = *code == page_code_all;
  if (!s.page_auto) s.fixed_page = *code;
  return true;
}

template <typename Table, typename ReadEntry>
bool store_schedule(std::string_view params, Table& into, ReadEntry read_entry) {
  Table parsed{};
  for (std::size_t d = 0; d < sign_schedule_days; ++d) {
    for (std::size_t slot = 0; slot < sign_schedule_slots; ++slot) {
      const auto value = read_entry(params.substr(8 * d + 2 * slot, 2));
      if (!value) return false;
      parsed[d][slot] = *value;
    }
  }
  into = parsed;
  return true;
}

bool store_terminal_pages(std::string_view params, bool allow_all, SignState& s) {
  std::array<int, sign_terminal_inputs> parsed{};
  for (std::size_t k = 0; k < sign_terminal_inputs; ++k) {
    const auto code = read_page_code(params.substr(2 * k, 2), allow_all, false);
    if (!code) return false;
    parsed[k] = *code;
  }
  s.terminal_page = parsed;
  return true;
}

// "CA"/"CN": page 01..32 and 98 JIS codes whose two bytes both lie in 0x21..0x7E.
std::optional<std::pair<int, TitleCodes>> read_title(std::string_view params) {
  const auto page = read_page_code(params.substr(0, 2), false, false);
  if (!page) return std::nullopt;
  TitleCodes codes{};
  for (std::size_t k = 0; k < title_codes; ++k) {
    const auto code = read_hex4(params.substr(2 + 4 * k, 4));
    if (!code) return std::nullopt;
    const unsigned high = *code >> 8, low = *code & 0xFF;
    if (high < 0x21 || high > 0x7E || low < 0x21 || low > 0x7E) return std::nullopt;
    codes[k] = *code;
  }
  return std::pair{*page, codes};
}

constexpr std::size_t page_list_length = 4 + sign_pages;
constexpr std::size_t schedule_length = 4 + 8 * sign_schedule_days;
constexpr std::size_t title_length = 4 + 4 * title_codes;

const SettingCommand setting_commands[] = {
    {"PTSS", page_list_length, [](auto p, auto& s) { return store_page_letters(p, "1234", s.scroll_speed); }},
    {"PTWL", page_list_length, [](auto p, auto& s) { return store_page_letters(p, "HL", s.char_level); }},
    {"PTFB", page_list_length, [](auto p, auto& s) { return store_page_letters(p, "NF", s.background_fill); }},
    {"PTDP", page_list_length, [](auto p, auto& s) { return store_page_letters(p, "TB", s.display_position); }},
    {"PTSP", page_list_length, [](auto p, auto& s) { return store_page_letters(p, "LS", s.sequence_page); }},
    {"PTIC", 4 + 2 * sign_pages, store_colours},
    {"PVT", 5, [](auto p, auto& s) { return store_bounded(p, 0, 15, s.top_value); }},
    {"PVB", 5, [](auto p, auto& s) { return store_bounded(p, 0, 15, s.bottom_value); }},
    {"P", 3, store_page_number},
    {"TSR", 4, [](auto p, auto& s) { return store_bounded(p, 1, 6, s.clock_range); }},
    {"SDTT", schedule_length,
     [](auto p, auto& s) {
       return store_schedule(p, s.schedule_hour, [](auto two) { return read_bounded(two, 0, 23); });
     }},
    {"SDPT", schedule_length,
     [](auto p, auto& s) {
       return store_schedule(p, s.schedule_page, [](auto two) { return read_page_code(two, true, true); });
     }},
    {"ADT", 6, [](auto p, auto& s) { return store_bounded(p, 0, 999, s.alarm_hold_time); }},
    {"ACA", 3 + 2 * sign_terminal_inputs, [](auto p, auto& s) { return store_terminal_pages(p, false, s); }},
    {"RCA", 3 + 2 * sign_terminal_inputs, [](auto p, auto& s) { return store_terminal_pages(p, true, s); }},
    {"DSY", 5, [](auto p, auto& s) { return store_bounded(p, 0, 99, s.clock_year); }},
    {"DSM", 5, [](auto p, auto& s) { return store_bounded(p, 1, 12, s.clock_month); }},
    {"DSD", 5, [](auto p, auto& s) { return store_bounded(p, 1, 31, s.clock_day); }},
    {"TSH", 5, [](auto p, auto& s) { return store_bounded(p, 0, 23, s.clock_hour); }},
    {"TSM", 5, [](auto p, auto& s) { return store_bounded(p, 0, 59, s.clock_minute); }},
    {"TSS", 5, [](auto p, auto& s) { return store_bounded(p, 0, 59, s.clock_second); }},
    {"CA", title_length,
     [](auto p, auto& s) {
       const auto title = read_title(p);
       if (title) s.titles[static_cast<std::size_t>(title->first - 1)] = title->second;
       return title.has_value();
     }},
    {"CN", title_length,
     [](auto p, auto& s) {
       const auto title = read_title(p);
       if (!title) return false;
       s.shown_page = title->first;
       s.shown_title = title->second;
       return true;
     }},
    // Switches: the whole text is the command.
    {"AMI", 3, [](auto, auto& s) { s.alarm_mode = 'I'; return true; }},
    {"AME", 3, [](auto, auto& s) { s.alarm_mode = 'E'; return true; }},
    {"AICM", 4, [](auto, auto& s) { s.alarm_polarity = 'M'; return true; }},
    {"AICB", 4, [](auto, auto& s) { s.alarm_polarity = 'B'; return true; }},
    {"ARF", 3, [](auto, auto& s) { s.alarm_return = 'F'; return true; }},
    {"ARB", 3, [](auto, auto& s) { s.alarm_return = 'B'; return true; }},
    {"CIA", 3, [](auto, auto& s) { s.terminal_input = 'A'; return true; }},
    {"CIR", 3, [](auto, auto& s) { s.terminal_input = 'R'; return true; }},
    {"RMBCD", 5, [](auto, auto& s) { s.remote_mode = 'D'; return true; }},
    {"RMBIN", 5, [](auto, auto& s) { s.remote_mode = 'N'; return true; }},
    {"RMBIT", 5, [](auto, auto& s) { s.remote_mode = 'T'; return true; }},
    {"ISSOF", 5, [](auto, auto& s) { s.scroll_stopped = false; return true; }},
    {"ISSON", 5, [](auto, auto& s) { s.scroll_stopped = true; return true; }},
    {"IDON", 4, [](auto, auto& s) { s.display_on = true; return true; }},
    {"IDOF", 4, [](auto, auto& s) { s.display_on = false; return true; }},
    {"TSDO", 4, [](auto, auto& s) { s.clock_size = 'O'; return true; }},
    {"TSDS", 4, [](auto, auto& s) { s.clock_size = 'S'; return true; }},
    {"TSDN", 4, [](auto, auto& s) { s.clock_size = 'N'; return true; }},
    {"TSA", 3, [](auto, auto& s) { ++s.clock_corrections; return true; }},
};

using Reader = std::string (*)(const SignState& s);

struct ReadBackRequest {
  std::string_view request;
  Reader reply;
};

const ReadBackRequest read_back_requests[] = {
    {"RACA", [](const SignState& s) { return terminal_pages_reply("ACA", s); }},
    {"RADT", hold_time_reply},
    {"RAIC", alarm_polarity_reply},
    {"RAM", alarm_mode_reply},
    {"RAR", alarm_return_reply},
    {"RCI", terminal_input_reply},
    {"RP", page_number_reply},
    {"RPTDP", [](const SignState& s) { return page_list_reply("PTDP", s.display_position); }},
    {"RPTFB", [](const SignState& s) { return page_list_reply("PTFB", s.background_fill); }},
    {"RPTIC", colour_reply},
    {"RPTSP", [](const SignState& s) { return page_list_reply("PTSP", s.sequence_page); }},
    {"RPTSS", [](const SignState& s) { return page_list_reply("PTSS", s.scroll_speed); }},
    {"RPTWL", [](const SignState& s) { return page_list_reply("PTWL", s.char_level); }},
    {"RPVB", bottom_value_reply},
    {"RPVT", top_value_reply},
    {"RRCA", [](const SignState& s) { return terminal_pages_reply("RCA", s); }},
    {"RRM", remote_mode_reply},
    {"RSDPT", schedule_page_reply},
    {"RSDTT", schedule_hour_reply},
    {"RTSD", clock_size_reply},
    {"RTSR", clock_range_reply},
};

}  // namespace

std::string answer_command(SignState& state, std::string_view body) {
  for (const auto& request : read_back_requests)
    if (body == request.request) return request.reply(state);
  // "RCA" and a page number asks for that page's stored title.
  if (body.size() == 5 && body.starts_with("RCA")) {
    const auto page = read_page_code(body.substr(3), false, false);
    if (page) return title_reply(state, *page);
  }
  for (const auto& command : setting_commands) {
    if (body.size() != command.length || !body.starts_with(command.mnemonic)) continue;
    if (command.store(body.substr(command.mnemonic.size()), state)) return std::string(reply_accepted);
  }
  return std::string(reply_command_error);
}

std::string state_report(const SignState& state) {
  std::string report;
  for (const auto& request : read_back_requests) report += request.reply(state) + "\n";
  for (int page = 1; page <= sign_pages; ++page) report += title_reply(state, page) + "\n";
  return report;
}

std::string answer_line(SignState& state, std::string_view line) {
  if (line.size() < 2 || !line.ends_with("\r\n")) return std::string(reply_command_error);
  const std::string_view body = line.substr(0, line.size() - 2);
  if (body.find_first_of("\r\n") != std::string_view::npos) return std::string(reply_command_error);
  return answer_command(state, body);
}

}  // namespace kyz::signsim
