// Conversions at the edges of the Windows programs: the core keeps UTF-8 texts and
// Shift-JIS titles, the window API wants UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace kyz {

std::wstring utf8_to_wide(std::string_view text);
std::string wide_to_utf8(std::wstring_view text);
std::wstring sjis_to_wide(std::string_view text);
// Characters that Shift-JIS cannot hold become "?" as the platform converts them.
std::string wide_to_sjis(std::wstring_view text);

}  // namespace kyz
