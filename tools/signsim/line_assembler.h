// Gathers received bytes into lines ending with LF, whatever way the bytes were split
// over reads. The buffer is bounded: a line that grows past the limit is cut off and
// everything up to its LF is dropped, so a flood without LF cannot exhaust memory.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kyz::signsim {

inline constexpr std::size_t default_line_limit = 4096;

struct AssembledLine {
  std::string text;          // the line with its LF; only the first `limit` bytes if cut off
  std::size_t dropped = 0;   // bytes dropped because the line was too long
  bool overlong() const { return dropped > 0; }
};

class LineAssembler {
 public:
  explicit LineAssembler(std::size_t limit = default_line_limit) : limit_(limit) {}

  // Every line completed by `bytes`, in order.
  std::vector<AssembledLine> feed(std::string_view bytes);

  // Bytes of the line still waiting for its LF (kept plus dropped).
  std::size_t pending() const { return current_.text.size() + current_.dropped; }

 private:
  std::size_t limit_;
  AssembledLine current_;
};

}  // namespace kyz::signsim
