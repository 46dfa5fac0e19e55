#include "core/protocol/title_command.h"

#include <algorithm>
#include <cstdint>

#include "core/protocol/command_text.h"
#include "core/protocol/jis_conversion.h"
#include "core/protocol/protocol_state.h"
#include "core/protocol/send_path.h"
#include "core/ui/message_boxes.h"

namespace kyz {
namespace {

constexpr char hex_digits[] = "0123456789ABCDEF";

// The title staged between prepare_title and title_text_command; empty after a refused
// prepare, so that the refusal also stops the send. UI thread only.
std::optional<std::string> staged_title;

// A page index the record has: callers pass current_page and step numbers.
bool is_page(int page) { return page >= 0 && page < page_count; }

int hex_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;  // lower case is not a digit the sign writes
}

}  // namespace

std::optional<std::string> padded_title(std::string_view title) {
  if (title.size() > title_wire_bytes || title.size() % 2 != 0) return std::nullopt;
  std::string padded(title);
  while (padded.size() < title_wire_bytes) padded += full_width_space;
  return padded;
}

std::optional<std::string> title_command_from_padded(std::string_view padded, int page,
                                                     bool store) {
  if (padded.size() != title_wire_bytes) return std::nullopt;
  std::string text = store ? "CA" : "CN";
  text += decimal2(page + 1);
  for (std::size_t k = 0; k < title_wire_bytes; k += 2) {
    const auto sjis = static_cast<std::uint16_t>(static_cast<unsigned char>(padded[k]) << 8 |
                                                 static_cast<unsigned char>(padded[k + 1]));
    const std::uint16_t code = title_char_to_jis(sjis);
    if (code == 0) return std::nullopt;
    for (int shift = 12; shift >= 0; shift -= 4) text += hex_digits[(code >> shift) & 0xF];
  }
  text += crlf;
  return text;
}

std::optional<std::string> title_command(std::string_view title, int page, bool store) {
  const std::optional<std::string> padded = padded_title(title);
  if (!padded) return std::nullopt;
  return title_command_from_padded(*padded, page, store);
}

int prepare_title(int page) {
  if (!is_page(page)) {
    staged_title.reset();
    return 0;
  }
  staged_title = padded_title(settings.title[page]);
  return staged_title ? 1 : 0;
}

int title_text_command(int store, int page) {
  if (!staged_title || !is_page(page)) return 1;
  const std::optional<std::string> text = title_command_from_padded(*staged_title, page, store == 1);
  if (!text) return 1;
  send_command(*text);
  return 0;
}

void send_current_title(bool store) {
  if (sequence_step != 0) return;
  const int page = settings.current_page;
  if (prepare_title(page) == 0 || title_text_command(store ? 1 : 0, page) != 0) {
    warning_box(title_refusal_message);
  }
}

bool send_title_stored(int page) {
  if (prepare_title(page) == 0 || title_text_command(1, page) != 0) {
    warning_box(title_refusal_message);
    return false;
  }
  return true;
}

void title_reply_decoder(std::string_view reply, SettingsRecord& record) {
  if (reply.size() < 4) return;
  const int page = (reply[2] - '0') * 10 + (reply[3] - '0') - 1;
  // The page number indexes the record: a damaged one must not write elsewhere.
  if (page < 0 || page >= page_count) return;

  // Codes not present in the reply (a short or damaged line) stay full-width spaces.
  std::uint16_t codes[title_chars];
  for (std::uint16_t& code : codes) code = 0x2121;
  const std::size_t hex_end = std::min(reply.size(), std::size_t{4} + 4 * title_chars);
  int code_index = 0;
  unsigned value = 0;
  int digits = 0;
  for (std::size_t i = 4; i < hex_end; ++i) {
    const int digit = hex_value(reply[i]);
    if (digit < 0) break;
    value = value << 4 | static_cast<unsigned>(digit);
    if (++digits == 4) {
      codes[code_index++] = static_cast<std::uint16_t>(value);
      value = 0;
      digits = 0;
    }
  }

  int used = title_chars;
  for (std::uint16_t& code : codes) {
    if (code > 0x7C7E) code = 0x2121;
  }
  while (used > 0 && codes[used - 1] == 0x2121) --used;

  std::string title;
  for (int j = 0; j < used; ++j) {
    const std::uint16_t sjis = jis_to_sjis(codes[j]);
    // A code with no Shift-JIS form ends the text, as a NUL would end it in the sign's
    // own string.
    if (sjis == 0) break;
    title += static_cast<char>(sjis >> 8);
    title += static_cast<char>(sjis & 0xFF);
  }
  record.title[page] = title;
}

}  // namespace kyz
