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
  bool record(std::uint16_t x, std::uint16_t y) {
    if (x < square_size && y < square_size) {
      ++count_;
    } else {
      count_ = 0;
    }
    if (count_ < clicks_needed) return false;
    count_ = 0;
    return true;
  }

 private:
  int count_ = 0;
};

}  // namespace kyz
