// Writing all of a command to a non-blocking descriptor, a serial line or a socket:
// what the descriptor does not take at once is waited for, a bounded time each time.
#pragma once

#include <cerrno>
#include <cstddef>
#include <poll.h>
#include <string_view>
#include <sys/types.h>

namespace kyz {

enum class WriteEnd {
  written,
  stalled,  // the descriptor took nothing for the whole wait
  failed,   // errno says why
};

// `put(data, size)` is the call that writes (write, send): the count it took, or -1 with errno set.
template <class Put>
WriteEnd write_waiting(int fd, std::string_view bytes, int stall_ms, Put put) {
  while (!bytes.empty()) {
    const ssize_t n = put(bytes.data(), bytes.size());
    if (n > 0) {
      bytes.remove_prefix(static_cast<std::size_t>(n));
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno == EAGAIN) {
      pollfd p{fd, POLLOUT, 0};
      if (poll(&p, 1, stall_ms) > 0) continue;
      return WriteEnd::stalled;
    }
    return WriteEnd::failed;
  }
  return WriteEnd::written;
}

}  // namespace kyz
