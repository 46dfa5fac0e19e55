#include "tools/signsim/line_assembler.h"

namespace kyz::signsim {

std::vector<AssembledLine> LineAssembler::feed(std::string_view bytes) {
  std::vector<AssembledLine> lines;
  while (!bytes.empty()) {
    const std::size_t lf = bytes.find('\n');
    const std::size_t take = lf == std::string_view::npos ? bytes.size() : lf + 1;
    const std::string_view piece = bytes.substr(0, take);
    const std::size_t room = limit_ > current_.text.size() ? limit_ - current_.text.size() : 0;
    if (piece.size() <= room) {
      current_.text.append(piece);
    } else {
      current_.text.append(piece.substr(0, room));
      current_.dropped += piece.size() - room;
    }
    if (lf != std::string_view::npos) {
      lines.push_back(std::move(current_));
      current_ = AssembledLine{};
    }
    bytes.remove_prefix(take);
  }
  return lines;
}

}  // namespace kyz::signsim
