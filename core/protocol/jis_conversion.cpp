#include "core/protocol/jis_conversion.h"

namespace kyz {
namespace {

bool in(unsigned v, unsigned low, unsigned high) { return v >= low && v <= high; }

bool is_lead(unsigned h) { return in(h, 0x81, 0x9F) || in(h, 0xE0, 0xFC); }
bool is_trail(unsigned l) { return in(l, 0x40, 0x7E) || in(l, 0x80, 0xFC); }
bool is_jis_byte(unsigned b) { return in(b, 0x21, 0x7E); }

}  // namespace

std::uint16_t ibm_to_nec_selected(std::uint16_t c) {
  if (in(c, 0xFA5C, 0xFA7E) || in(c, 0xFA9C, 0xFAFC) || in(c, 0xFB5C, 0xFB7E) ||
      in(c, 0xFB9C, 0xFBFC)) {
    return c - 0x0D1C;
  }
  if (in(c, 0xFA80, 0xFA9B) || in(c, 0xFB80, 0xFB9B)) return c - 0x0D1D;
  if (in(c, 0xFB40, 0xFB5B) || in(c, 0xFC40, 0xFC4B)) return c - 0x0D5F;
  return 0;
}

std::uint16_t sjis_to_jis(std::uint16_t c) {
  const unsigned h = c >> 8;
  const unsigned l = c & 0xFF;
  // Without this check a pair that is not Shift-JIS at all (an ASCII byte, a lead byte
  // paired with a lead byte) would come out as some unrelated JIS character.
  if (!is_lead(h) || !is_trail(l)) return 0;
  const unsigned a = h < 0xA0 ? h - 0x81 : h - 0xC1;
  unsigned code;
  if (l < 0x9F) {
    code = a * 0x200 + 0x2100 + (l - 0x1F - (l > 0x7E ? 1 : 0));
  } else {
    code = a * 0x200 + 0x2200 + (l - 0x7E);
  }
  if (!in(code, 0x2121, 0x7E7E) || !is_jis_byte(code & 0xFF)) return 0;
  return static_cast<std::uint16_t>(code);
}

std::uint16_t title_char_to_jis(std::uint16_t c) {
  if (in(c, 0xFA40, 0xFA49)) return c - 0x7DCF;  // small Roman numerals: 0x7C71..0x7C7A
  if (in(c, 0xFA55, 0xFA57)) return c - 0x7DD9;  // 0x7C7C..0x7C7E
  if (c >= 0xFA5C) c = ibm_to_nec_selected(c);
  return sjis_to_jis(c);
}

std::uint16_t jis_to_sjis(std::uint16_t code) {
  const unsigned j1 = code >> 8;
  const unsigned j2 = code & 0xFF;
  if (!is_jis_byte(j1) || !is_jis_byte(j2)) return 0;
  const unsigned lead = (j1 - 0x21) / 2 + (j1 <= 0x5E ? 0x81 : 0xC1);
  unsigned trail;
  if (j1 % 2 == 1) {
    trail = j2 + 0x1F + (j2 >= 0x60 ? 1 : 0);
  } else {
    trail = j2 + 0x7E;
  }
  return static_cast<std::uint16_t>(lead << 8 | trail);
}

}  // namespace kyz
