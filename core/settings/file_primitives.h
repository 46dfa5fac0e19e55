// The few file operations whose calls differ between Windows and other systems. Paths
// are UTF-8 on every platform.
#pragma once

#include <cstdio>
#include <string>

namespace kyz::file_primitives {

std::FILE* open_file(const std::string& path, const char* mode);
// Flushes the stream and asks the system to put the file's data on the disk.
bool flush_to_disk(std::FILE* file);
// Renames `from` to `to`, replacing `to`.
bool move_over(const std::string& from, const std::string& to);
void remove_file(const std::string& path);

}  // namespace kyz::file_primitives
