// Settings data files (".dat"): 531 values, one per line, CR LF line ends, in the
// order of the settings record; shared by both editions.
#pragma once

#include <string>
#include <string_view>

#include "core/settings/settings_record.h"

namespace kyz {

inline constexpr int data_file_values = 531;
inline constexpr std::string_view empty_title_mark = "s";

// The bytes of the data file for `record`.
std::string format_data_file(const SettingsRecord& record);

struct ParseResult {
  int values_read = 0;  // how many of the 531 values were taken from the text
  int bad_line = 0;     // 1-based line of a token that is not a number, 0 if none
};

// Reads values in file order into `record` until the text ends or a token cannot be
// read as the value due; fields after that point keep what they held. White space of
// any kind separates values. Titles longer than title_capacity() are cut at the last
// whole double-byte character; a title of exactly "s" becomes empty.
ParseResult parse_data_file(std::string_view text, SettingsRecord& record);

// Open: on success the record holds the file, data_file_path is the path and
// modified is 0. A file that ends early still counts: the fields after its end keep
// their values. A file that cannot be opened shows "Can't file open", one with a token
// that cannot be read shows "Can't read line N"; either way it returns false and the
// record, data_file_path and modified stay exactly as they were.
bool read_data_file(const std::string& path, SettingsRecord& record = settings);

// Save: writes a complete temporary file beside the target and only then replaces
// the target, so a failed write never destroys the previous file. On failure shows
// "Can't file open" and leaves modified as it was; on success clears modified.
bool write_data_file(const std::string& path, SettingsRecord& record = settings);

}  // namespace kyz
