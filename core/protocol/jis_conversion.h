// Shift-JIS <-> JIS X 0208 code arithmetic for page titles.
//
// The sign takes title characters as two-byte JIS codes, including the rows 0x79..0x7C
// where it keeps the NEC-selected IBM extension characters. A code of 0 means "cannot
// be converted".
#pragma once

#include <cstdint>

namespace kyz {

// The IBM extension kanji area (0xFA5C..0xFC4B) moved onto the NEC-selected IBM
// extension area of Shift-JIS; 0 for anything outside the mapped ranges.
std::uint16_t ibm_to_nec_selected(std::uint16_t sjis);

// One double-byte Shift-JIS character (lead byte high) to its JIS code. 0 when the lead
// or trail byte is not a Shift-JIS byte, or the result is no JIS code of rows 0x21..0x7E.
std::uint16_t sjis_to_jis(std::uint16_t sjis);

// A title character as the sign takes it: the small Roman numerals and the three
// symbols at 0xFA40..0xFA57 go straight to row 0x7C, the IBM kanji through
// ibm_to_nec_selected, everything else by sjis_to_jis. 0 when it cannot be sent.
std::uint16_t title_char_to_jis(std::uint16_t sjis);

// A JIS code back to Shift-JIS (lead byte high); 0 when either byte is outside
// 0x21..0x7E.
std::uint16_t jis_to_sjis(std::uint16_t jis);

}  // namespace kyz
