#include "core/settings/file_io.h"

#include <cstdio>

#ifdef _WIN32
#include <windows.h>
#include <io.h>
#include "core/ui/text_encoding.h"
#else
#include <unistd.h>
#endif

namespace kyz {
namespace {

std::FILE* open_file(const std::string& path, const char* mode) {
#ifdef _WIN32
  const std::wstring wide_mode(mode, mode + std::char_traits<char>::length(mode));
  return _wfopen(utf8_to_wide(path).c_str(), wide_mode.c_str());
#else
  return std::fopen(path.c_str(), mode);
#endif
}

bool flush_to_disk(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
#ifdef _WIN32
  return _commit(_fileno(file)) == 0;
#else
  return ::fsync(fileno(file)) == 0;
#endif
}

bool move_over(const std::string& from, const std::string& to) {
#ifdef _WIN32
  return MoveFileExW(utf8_to_wide(from).c_str(), utf8_to_wide(to).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
  return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

void remove_file(const std::string& path) {
#ifdef _WIN32
  DeleteFileW(utf8_to_wide(path).c_str());
#else
  std::remove(path.c_str());
#endif
}

}  // namespace

bool read_whole_file(const std::string& path, std::string& contents) {
  std::FILE* file = open_file(path, "rb");
  if (!file) return false;
  std::string data;
  char chunk[4096];
  std::size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) data.append(chunk, got);
  const bool ok = !std::ferror(file);
  std::fclose(file);
  if (ok) contents = std::move(data);
  return ok;
}

bool replace_file(const std::string& path, std::string_view contents) {
  const std::string temporary = path + ".saving";
  std::FILE* file = open_file(temporary, "wb");
  if (!file) return false;
  bool ok = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
  ok = flush_to_disk(file) && ok;
  ok = (std::fclose(file) == 0) && ok;
  if (ok) ok = move_over(temporary, path);
  if (!ok) remove_file(temporary);
  return ok;
}

}  // namespace kyz
