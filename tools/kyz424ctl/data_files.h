// Settings data files as kyz424ctl reads and writes them.
#pragma once

#include <optional>
#include <string>

#include "core/links/exchange_plans.h"
#include "core/settings/settings_record.h"

namespace kyz::ctl {

// The record as the program holds it after opening `path` (fields the file does not
// reach keep the fresh record's values). With `whole`, a file that ends before its last
// value is refused too: sent to a sign, its missing values would be silent defaults.
bool load_data_file(const std::string& path, SettingsRecord& record, bool whole, std::string& error);

// The all-items send of the whole data file at `path`. Each step that cannot be sent is
// reported on standard error with `refusal_note` after it, before anything goes to a
// sign. Empty with `error` set when the file cannot be used.
std::optional<ExchangePlan> send_plan_of_file(const std::string& path, Edition program, Pace pace,
                                              const std::string& refusal_note, std::string& error);

// Writes `record` to `path` through a temporary file, so `path` is either the old file
// or the complete new one.
bool save_data_file(const std::string& path, const SettingsRecord& record, std::string& error);

}  // namespace kyz::ctl
