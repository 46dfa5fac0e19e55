// The frame every command shares: a mnemonic, fixed-width parameters, CR LF.
//
// Numbers are decimal with leading zeros and exactly as many digits as the field has;
// the encodings below make no range check: a value out of range is written as the digit
// arithmetic gives it ('0' + value / 10, '0' + value % 10), which is what the sign
// is sent for it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kyz {

inline constexpr std::string_view crlf = "\r\n";

// The serial link copies a command into a 410-byte buffer with its NUL.
inline constexpr std::size_t max_command_length = 409;

// Two characters: tens, then units ('0' + v / 10, '0' + v % 10).
std::string decimal2(int v);
// Three characters: hundreds, tens, units.
std::string decimal3(int v);
// One character '0' + v.
char digit0(int v);
// One character '1' + v: value 0 is sent as '1'.
char digit1(int v);
// A page reference: pages 0..31 as "01".."32", 32 as "AS"; 33 or more as "00" when
// `none_as_zeros` (the schedule's "--"), otherwise as decimal2(v + 1) like a page.
std::string page_code(int v, bool none_as_zeros);

// Mnemonic plus parameters, with CR LF appended.
std::string framed(std::string_view body);

}  // namespace kyz
