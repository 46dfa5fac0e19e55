#include "core/ui/win32/text_encoding.h"

#include <windows.h>

namespace kyz {
namespace {

constexpr UINT shift_jis = 932;

std::wstring to_wide(UINT code_page, std::string_view text) {
  if (text.empty()) return {};
  const int n = MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()),
                                    nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
  return out;
}

std::string from_wide(UINT code_page, std::wstring_view text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(code_page, 0, text.data(), static_cast<int>(text.size()),
                                    nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(code_page, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                      nullptr, nullptr);
  return out;
}

}  // namespace

std::wstring utf8_to_wide(std::string_view text) { return to_wide(CP_UTF8, text); }
std::string wide_to_utf8(std::wstring_view text) { return from_wide(CP_UTF8, text); }
std::wstring sjis_to_wide(std::string_view text) { return to_wide(shift_jis, text); }
std::string wide_to_sjis(std::wstring_view text) { return from_wide(shift_jis, text); }

}  // namespace kyz
