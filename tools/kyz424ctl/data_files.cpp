#include "tools/kyz424ctl/data_files.h"

#include "core/settings/data_file.h"
#include "core/settings/file_io.h"
#include "tools/kyz424ctl/console.h"

namespace kyz::ctl {

bool load_data_file(const std::string& path, SettingsRecord& record, bool whole, std::string& error) {
  std::string text;
  if (!read_whole_file(path, text)) {
    error = "cannot read " + path;
    return false;
  }
  reset_settings(record);
  const ParseResult result = parse_data_file(text, record);
  if (result.bad_line != 0) {
    error = path + ": line " + std::to_string(result.bad_line) + " is not a value";
    return false;
  }
  if (whole && result.values_read < data_file_values) {
    error = path + ": not a whole settings data file (" + std::to_string(result.values_read) + " of " +
            std::to_string(data_file_values) + " values)";
    return false;
  }
  record.data_file_path = path;
  return true;
}

std::optional<ExchangePlan> send_plan_of_file(const std::string& path, Edition program, Pace pace,
                                              const std::string& refusal_note, std::string& error) {
  SettingsRecord record;
  if (!load_data_file(path, record, true, error)) return std::nullopt;
  ExchangePlan plan = all_items_plan(record, program, pace);
  for (const std::string& refusal : plan.refusals) report(refusal + " " + refusal_note);
  return plan;
}

bool save_data_file(const std::string& path, const SettingsRecord& record, std::string& error) {
  if (!replace_file(path, format_data_file(record))) {
    error = "cannot write " + path;
    return false;
  }
  return true;
}

}  // namespace kyz::ctl
