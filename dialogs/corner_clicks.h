// The hidden maintenance shortcut: ten right clicks in a row in the 20 x 20 pixel square
// at the top left of the screen open the read-back dialog.
#pragma once

#include <cstdint>

namespace kyz {

class CornerClicks {
 public:
  static constexpr int clicks_needed = 10;
  static constexpr std::uint16_t square_size = 20;

  // One context-menu request at screen position (x, y), taken as unsigned 16-bit values
  // as the message carries them: a negative coordinate counts as far away, and so does
  // a keyboard request (-1, -1). True when this click completes the gesture.
  bool record(std::uint16_t x, std::uint16_t y) { return count(x < square_size && y < square_size); }

  // kyz424's frame takes the position as signed values and starts the count again only
  // for a click right of or below the square: a position left of or above the screen's
  // corner (a monitor there, a keyboard request) counts as one in the square.
  bool record_signed(int x, int y) { return count(x < square_size && y < square_size); }

 private:
  bool count(bool in_square) {
    if (in_square) {
      ++count_;
    } else {
      count_ = 0;
    }
    if (count_ < clicks_needed) return false;
    count_ = 0;
    return true;
  }

  int count_ = 0;
};

}  // namespace kyz
