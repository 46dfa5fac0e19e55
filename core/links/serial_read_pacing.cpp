#include "core/links/serial_read_pacing.h"

#include <algorithm>

namespace kyz {

unsigned SerialReadPacing::after_pass(bool receive_event, std::size_t bytes_read) {
  if (bytes_read > 0) {
    // More of the reply may follow at once: read again without a pause.
    waits_for_event_ = true;
    pause_ms_ = first_pause_ms;
    return 0;
  }
  // A wait that ended with neither the event nor bytes did not block.
  if (waits_for_event_ && !receive_event) waits_for_event_ = false;
  const unsigned pause = pause_ms_;
  pause_ms_ = std::min(pause_ms_ * 2, longest_pause_ms);
  return pause;
}

}  // namespace kyz
