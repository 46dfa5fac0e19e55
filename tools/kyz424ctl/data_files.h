// Settings data files as kyz424ctl reads and writes them.
#pragma once

#include <string>

#include "core/settings/settings_record.h"

namespace kyz::ctl {

// The record as the program holds it after opening `path` (fields the file does not
// reach keep the fresh record's values). With `whole`, a file that ends before its last
// value is refused too: sent to a sign, its missing values would be silent defaults.
bool load_data_file(const std::string& path, SettingsRecord& record, bool whole, std::string& error);

// Writes `record` to `path` through a temporary file, so `path` is either the old file
// or the complete new one.
bool save_data_file(const std::string& path, const SettingsRecord& record, std::string& error);

}  // namespace kyz::ctl
