#include "tools/signsim/wire_fields.h"

namespace kyz::signsim {

std::optional<int> read_decimal(std::string_view text) {
  if (text.empty()) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::string write_decimal(int value, int width) {
  std::string text(static_cast<std::size_t>(width), '0');
  for (int i = width - 1; i >= 0; --i) {
    text[static_cast<std::size_t>(i)] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
  return text;
}

std::optional<int> read_page_code(std::string_view two, bool allow_all, bool allow_none) {
  if (two.size() != 2) return std::nullopt;
  if (two == "AS") return allow_all ? std::optional<int>(page_code_all) : std::nullopt;
  const auto page = read_decimal(two);
  if (!page) return std::nullopt;
  if (*page == 0) return allow_none ? std::optional<int>(page_code_none) : std::nullopt;
  if (*page > 32) return std::nullopt;
  return page;
}

std::string write_page_code(int code) {
  if (code == page_code_all) return "AS";
  return write_decimal(code, 2);
}

std::optional<unsigned> read_hex4(std::string_view four) {
  if (four.size() != 4) return std::nullopt;
  unsigned value = 0;
  for (char c : four) {
    unsigned digit;
    if (c >= '0' && c <= '9') {
      digit = static_cast<unsigned>(c - '0');
    } else if (c >= 'A' && c <= 'F') {
      digit = static_cast<unsigned>(c - 'A' + 10);
    } else {
      return std::nullopt;
    }
    value = value * 16 + digit;
  }
  return value;
}

std::string write_hex4(unsigned value) {
  static constexpr char digits[] = "0123456789ABCDEF";
  std::string text(4, '0');
  for (int i = 3; i >= 0; --i) {
    text[static_cast<std::size_t>(i)] = digits[value & 0xF];
    value >>= 4;
  }
  return text;
}

}  // namespace kyz::signsim
