// How the serial read thread paces itself between passes while the line is quiet.
//
// On a real port the event wait blocks until a byte arrives, so a quiet line costs
// nothing. Some ports never block in that wait: a pseudo-terminal under Wine returns
// from it at once, and there each wait also starts a helper thread. Once a wait has
// ended without the receive event and without bytes, the reader stops waiting for
// events and only looks at the input queue, after a pause that doubles from 10 ms up to
// 50 ms for as long as nothing arrives. The first bytes bring back the short pause and
// the event wait, so a port whose wait does block goes back to blocking.
//
// Portable so that the pacing is tested natively; the Win32 read thread follows it.
#pragma once

#include <cstddef>

namespace kyz {

class SerialReadPacing {
 public:
  static constexpr unsigned first_pause_ms = 10;
  static constexpr unsigned longest_pause_ms = 50;

  // Whether the next pass waits for a port event before it looks at the input queue.
  bool waits_for_event() const { return waits_for_event_; }

  // Called after each pass with whether its wait reported the receive event and how
  // many bytes it read. Returns the pause before the next pass, in milliseconds.
  unsigned after_pass(bool receive_event, std::size_t bytes_read);

 private:
  bool waits_for_event_ = true;
  unsigned pause_ms_ = first_pause_ms;
};

}  // namespace kyz
