// Sending a whole command text on a non-blocking socket, the one send loop of both
// programs. A send call may take only part of the text, or nothing while the socket's
// queue is full; the loop goes on until every byte has gone, so that the sign never gets
// half a command reported as a failure, nor a failure reported as a send.
#pragma once

#include <cstddef>
#include <string_view>

namespace kyz {

// What one send call returns: the number of bytes taken (0 when the queue was full),
// or send_failure.
inline constexpr int send_failure = -1;
// How many times in one send a full queue is waited out before the send counts as failed.
inline constexpr int send_busy_retries = 1000;

// Sends all of `text` through `send_once(remaining) -> int`, calling `pause()` between
// tries while the queue is full. False when a call fails or the queue stays full; part
// of the text may have gone out then.
template <typename SendOnce, typename Pause>
bool send_all(std::string_view text, SendOnce send_once, Pause pause) {
  int busy = 0;
  while (!text.empty()) {
    const int taken = send_once(text);
    if (taken < 0 || static_cast<std::size_t>(taken) > text.size()) return false;
    if (taken == 0) {
      if (++busy > send_busy_retries) return false;
      pause();
      continue;
    }
    text.remove_prefix(static_cast<std::size_t>(taken));
  }
  return true;
}

}  // namespace kyz
