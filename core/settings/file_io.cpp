#include "core/settings/file_io.h"

#include <cstdio>

#include "core/settings/file_primitives.h"

namespace kyz {

using file_primitives::flush_to_disk;
using file_primitives::move_over;
using file_primitives::open_file;
using file_primitives::remove_file;

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
