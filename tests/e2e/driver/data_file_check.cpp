#include "tests/e2e/driver/data_file_check.h"

#include <map>
#include <stdexcept>

#include "core/settings/data_file.h"
#include "core/settings/edition.h"
#include "core/settings/file_io.h"
#include "core/settings/settings_record.h"

namespace gui_driver {

std::string check_data_file(const std::string& path, const std::vector<std::string>& changes) {
  using kyz::SettingsRecord;
  static const std::map<std::string, kyz::PerPage<int> SettingsRecord::*> fields{
      {"char_color", &SettingsRecord::char_color},
      {"border_color", &SettingsRecord::border_color},
      {"char_level", &SettingsRecord::char_level},
      {"scroll_speed", &SettingsRecord::scroll_speed},
      {"background_fill", &SettingsRecord::background_fill},
      {"display_position", &SettingsRecord::display_position},
  };
  if (changes.size() % 3 != 0) throw std::runtime_error("changes come as field page value");
  kyz::edition = kyz::Edition::lx;
  SettingsRecord expected;
  kyz::reset_settings(expected);
  for (std::size_t i = 0; i < changes.size(); i += 3) {
    const auto field = fields.find(changes[i]);
    if (field == fields.end()) throw std::runtime_error("no per-page field " + changes[i]);
    const int page = std::stoi(changes[i + 1]);
    if (page < 1 || page > kyz::page_count) throw std::runtime_error("no page " + changes[i + 1]);
    (expected.*(field->second))[page - 1] = std::stoi(changes[i + 2]);
  }

  std::string text;
  if (!kyz::read_whole_file(path, text)) return "cannot read " + path;
  // Read into a record that starts from values no file holds, so that a value missing
  // from the file cannot pass unnoticed.
  SettingsRecord probe = expected;
  for (auto& v : probe.char_color) v = -99;
  probe.top_value = -99;
  probe.terminal_page[7] = -99;
  const kyz::ParseResult result = kyz::parse_data_file(text, probe);
  if (result.values_read != kyz::data_file_values || result.bad_line != 0) {
    return "read " + std::to_string(result.values_read) + " values, bad line " +
           std::to_string(result.bad_line);
  }
  if (!(probe == expected)) {
    for (const auto& [name, field] : fields) {
      for (int p = 0; p < kyz::page_count; ++p) {
        if ((probe.*field)[p] != (expected.*field)[p]) {
          return name + " of page " + std::to_string(p + 1) + " is " +
                 std::to_string((probe.*field)[p]) + ", expected " +
                 std::to_string((expected.*field)[p]);
        }
      }
    }
    return "the file differs from the expected record outside the per-page fields";
  }
  return {};
}

int count_crlf_lines(const std::string& path) {
  std::string text;
  if (!kyz::read_whole_file(path, text)) return -1;
  int lines = 0;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == '\r' && text[i + 1] == '\n') ++lines;
  }
  return lines;
}

}  // namespace gui_driver
