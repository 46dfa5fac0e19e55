// Readers and writers of the fixed-width fields the sign's command lines are made of.
// The sign keeps its own copy of these rules so that it checks the tool's texts instead
// of sharing the tool's mistakes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kyz::signsim {

// Page references as the sign holds them: 1..32 are pages, plus two codes.
inline constexpr int page_code_all = 100;   // "AS": every page
inline constexpr int page_code_none = 0;    // "00": no page (schedule only)

// Two decimal digits "00".."99"; nothing when either character is not a digit.
std::optional<int> read_decimal(std::string_view text);

// `width` decimal digits with leading zeros. `value` must fit.
std::string write_decimal(int value, int width);

// Page 1..32 as "01".."32", "AS" when `allow_all`, "00" when `allow_none`.
std::optional<int> read_page_code(std::string_view two, bool allow_all, bool allow_none);
std::string write_page_code(int code);

// Four upper-case hexadecimal digits; lower-case letters are refused, as the sign does.
std::optional<unsigned> read_hex4(std::string_view four);
std::string write_hex4(unsigned value);

}  // namespace kyz::signsim
