// Gathers the bytes the serial read thread receives into reply lines.
//
// The sign ends every reply with CR LF. Bytes arrive in arbitrary pieces: one reply may
// span several reads, and one read may carry several replies. Every LF completes a line,
// which is handed on at once; bytes after the last LF wait for the next read.
//
// Portable so that the line rule is tested natively; the Win32 read thread feeds it.
#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

namespace kyz {

class SerialLineAssembler {
 public:
  // The line buffer of the link: at most 499 bytes of a line and its terminating NUL.
  static constexpr std::size_t line_capacity = 500;
  static constexpr std::size_t max_line_length = line_capacity - 1;

  // Receives one complete line including its CR LF. `line.data()` is NUL-terminated
  // and stays valid only during the call.
  using LineHandler = std::function<void(std::string_view line)>;

  // Appends `bytes` and hands every line they complete to `handler`, in order.
  // A line that grows past max_line_length without an LF is dropped up to and including
  // the next LF, so the reader resynchronises on the following reply.
  void feed(std::string_view bytes, const LineHandler& handler);

  // Bytes of the unfinished line kept for the next read.
  std::size_t pending_length() const { return discarding_ ? 0 : line_length_; }
  bool discarding_overlong_line() const { return discarding_; }

 private:
  char line_buffer_[line_capacity] = {};
  std::size_t line_length_ = 0;
  bool discarding_ = false;
};

}  // namespace kyz
