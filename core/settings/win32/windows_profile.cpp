#include "core/settings/win32/windows_profile.h"

#include <windows.h>

#include <vector>

#include "core/settings/configuration.h"
#include "core/ui/win32/text_encoding.h"

namespace kyz {

std::string WindowsProfile::read(std::string_view section, std::string_view key,
                                 std::string_view fallback, std::size_t max_chars) {
  std::vector<wchar_t> buffer(max_chars + 1, L'\0');
  GetPrivateProfileStringW(utf8_to_wide(section).c_str(), utf8_to_wide(key).c_str(),
                           utf8_to_wide(fallback).c_str(), buffer.data(),
                           static_cast<DWORD>(buffer.size()),
                           utf8_to_wide(configuration_file_name()).c_str());
  return wide_to_utf8(buffer.data());
}

bool WindowsProfile::write(std::string_view section, std::string_view key,
                           std::string_view value) {
  return WritePrivateProfileStringW(utf8_to_wide(section).c_str(), utf8_to_wide(key).c_str(),
                                    utf8_to_wide(value).c_str(),
                                    utf8_to_wide(configuration_file_name()).c_str()) != FALSE;
}

std::string WindowsProfile::location() const {
  wchar_t folder[MAX_PATH] = {};
  const UINT length = GetWindowsDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return configuration_file_name();
  return wide_to_utf8(folder) + "\\" + configuration_file_name();
}

ProfileStore& platform_profile_store() {
  static WindowsProfile store;
  return store;
}

}  // namespace kyz
