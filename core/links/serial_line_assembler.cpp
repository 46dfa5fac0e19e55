#include "core/links/serial_line_assembler.h"

#include <cstring>

namespace kyz {

void SerialLineAssembler::feed(std::string_view bytes, const LineHandler& handler) {
  for (char byte : bytes) {
    if (discarding_) {
      if (byte == '\n') discarding_ = false;
      continue;
    }
    if (line_length_ == max_line_length) {
      // No room for this byte: the line cannot be a reply the sign sends. Drop it and
      // everything up to its LF rather than hand on a cut line.
      line_length_ = 0;
      discarding_ = byte != '\n';
      continue;
    }
    line_buffer_[line_length_++] = byte;
    if (byte == '\n') {
      line_buffer_[line_length_] = '\0';
      std::size_t length = line_length_;
      line_length_ = 0;
      handler(std::string_view(line_buffer_, length));
      // What the handler saw no longer counts as a line.
      std::memcpy(line_buffer_, "    ", 5);
    }
  }
}

}  // namespace kyz
