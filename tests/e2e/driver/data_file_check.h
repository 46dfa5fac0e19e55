// Checks on the data files the program wrote, through the core's own reader.
#pragma once

#include <string>
#include <vector>

namespace gui_driver {

// Empty when the file at `path` reads back as a freshly reset record with the given
// per-page changes ({field, page 1..32, value} triples as words); else what differs.
std::string check_data_file(const std::string& path, const std::vector<std::string>& changes);

// The number of CR LF ended lines of the file, -1 when it cannot be read.
int count_crlf_lines(const std::string& path);

}  // namespace gui_driver
