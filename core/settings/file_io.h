// Whole-file reads and safe replacement writes, with UTF-8 paths on every platform.
#pragma once

#include <string>
#include <string_view>

namespace kyz {

bool read_whole_file(const std::string& path, std::string& contents);

// Writes `contents` to a temporary file in the same folder, flushes it to the disk and
// then puts it in place of `path`. On any failure the old file is left untouched and
// the temporary file is removed.
bool replace_file(const std::string& path, std::string_view contents);

}  // namespace kyz
