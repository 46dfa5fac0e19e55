#include "core/settings/file_primitives.h"

#include <windows.h>
#include <io.h>

#include "core/ui/win32/text_encoding.h"

namespace kyz::file_primitives {

std::FILE* open_file(const std::string& path, const char* mode) {
  const std::wstring wide_mode(mode, mode + std::char_traits<char>::length(mode));
  return _wfopen(utf8_to_wide(path).c_str(), wide_mode.c_str());
}

bool flush_to_disk(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
  return _commit(_fileno(file)) == 0;
}

bool move_over(const std::string& from, const std::string& to) {
  return MoveFileExW(utf8_to_wide(from).c_str(), utf8_to_wide(to).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

void remove_file(const std::string& path) { DeleteFileW(utf8_to_wide(path).c_str()); }

}  // namespace kyz::file_primitives
