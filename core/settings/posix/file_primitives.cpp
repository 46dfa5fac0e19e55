#include "core/settings/file_primitives.h"

#include <unistd.h>

namespace kyz::file_primitives {

std::FILE* open_file(const std::string& path, const char* mode) {
  return std::fopen(path.c_str(), mode);
}

bool flush_to_disk(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
  return ::fsync(fileno(file)) == 0;
}

bool move_over(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

void remove_file(const std::string& path) { std::remove(path.c_str()); }

}  // namespace kyz::file_primitives
