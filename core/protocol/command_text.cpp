#include "core/protocol/command_text.h"

namespace kyz {

std::string decimal2(int v) {
  return {static_cast<char>('0' + v / 10), static_cast<char>('0' + v % 10)};
}

std::string decimal3(int v) {
  return {static_cast<char>('0' + v / 100), static_cast<char>('0' + v % 100 / 10),
          static_cast<char>('0' + v % 10)};
}

char digit0(int v) { return static_cast<char>('0' + v); }

char digit1(int v) { return static_cast<char>('1' + v); }

std::string page_code(int v, bool none_as_zeros) {
  if (v == 32) return "AS";
  if (v >= 33 && none_as_zeros) return "00";
  return decimal2(v + 1);
}

std::string framed(std::string_view body) {
  std::string text(body);
  text += crlf;
  return text;
}

}  // namespace kyz
