// Any bytes as a page title: the title command must refuse it (odd length, more than
// 196 bytes, or a character the sign cannot take) or build exactly 398 bytes in the
// sign's layout. Reading that command back and sending the result again must give the
// same codes, except that codes above the sign's last row read back as spaces.
//
// Input: byte 0 picks the page and "CA" or "CN"; the rest is the title.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "core/protocol/title_command.h"
#include "core/settings/settings_record.h"

namespace {

unsigned hex_value(char c) {
  if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
  if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
  std::abort();  // only upper-case hex digits go on the wire
}

unsigned code_at(const std::string& command, int k) {
  unsigned code = 0;
  for (int i = 0; i < 4; ++i) code = code << 4 | hex_value(command[4 + 4 * k + i]);
  return code;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kyz;
  if (size == 0) return 0;
  const int page = data[0] % page_count;
  const bool store = data[0] & 0x80;
  const std::string_view title(reinterpret_cast<const char*>(data + 1), size - 1);

  const std::optional<std::string> command = title_command(title, page, store);
  if (!command) return 0;
  if (title.size() > title_wire_bytes || title.size() % 2 != 0) std::abort();
  if (command->size() != title_command_length) std::abort();
  if (command->substr(0, 2) != (store ? "CA" : "CN")) std::abort();
  const int number = page + 1;
  if ((*command)[2] != '0' + number / 10 || (*command)[3] != '0' + number % 10) std::abort();
  if (command->substr(title_command_length - 2) != "\r\n") std::abort();

  SettingsRecord record;
  reset_settings(record);
  title_reply_decoder(*command, record);
  const std::string& read_back = record.title[page];
  if (read_back.size() > title.size()) std::abort();
  const std::optional<std::string> again = title_command(read_back, page, store);
  if (!again) std::abort();
  for (int k = 0; k < title_chars; ++k) {
    const unsigned sent = code_at(*command, k);
    const unsigned expected = sent > 0x7C7E ? 0x2121 : sent;
    if (code_at(*again, k) != expected) std::abort();
  }
  return 0;
}
