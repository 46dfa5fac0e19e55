// A small ini file reader and writer in the private-profile format: "[section]" lines,
// "key=value" lines, CR LF line ends. Keys and sections match without regard to case,
// as the platform's profile functions do; every write rewrites the file at once.
#pragma once

#include <string>
#include <vector>

#include "core/settings/profile_store.h"

namespace kyz {

class IniFile final : public ProfileStore {
 public:
  explicit IniFile(std::string path) : path_(std::move(path)) {}

  std::string read(std::string_view section, std::string_view key, std::string_view fallback,
                   std::size_t max_chars) override;
  bool write(std::string_view section, std::string_view key, std::string_view value) override;
  std::string location() const override { return path_; }

  const std::string& path() const { return path_; }

 private:
  std::vector<std::string> load_lines() const;
  std::string path_;
};

}  // namespace kyz
