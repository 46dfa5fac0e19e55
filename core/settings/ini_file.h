// A small ini reader and writer in the private-profile format: "[section]" lines,
// "key=value" lines, CR LF line ends. Keys and sections match without regard to case,
// as the platform's profile functions do.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/settings/profile_store.h"

namespace kyz {

// The format over text held in memory, each line taken apart once when it is read in or
// written (the configuration fuzzer's store, where every key read is a scan).
class IniText final : public ProfileStore {
 public:
  explicit IniText(std::string_view text = {});

  std::string read(std::string_view section, std::string_view key, std::string_view fallback,
                   std::size_t max_chars) override;
  // Always true: memory takes every write.
  bool write(std::string_view section, std::string_view key, std::string_view value) override;
  std::string location() const override { return "(memory)"; }

  // The lines, each ended by CR LF.
  std::string text() const;

 private:
  struct Line {
    std::string text;
    bool blank = false;
    bool is_section = false;  // "[name]"
    bool is_key = false;      // "name=value"
    std::string name, value;  // without surrounding blanks
  };
  static Line parse(std::string text);

  std::vector<Line> lines_;
};

// The format in a file, read at every read; every write rewrites the file at once.
class IniFile final : public ProfileStore {
 public:
  explicit IniFile(std::string path) : path_(std::move(path)) {}

  std::string read(std::string_view section, std::string_view key, std::string_view fallback,
                   std::size_t max_chars) override;
  bool write(std::string_view section, std::string_view key, std::string_view value) override;
  std::string location() const override { return path_; }

  const std::string& path() const { return path_; }

 private:
  IniText load() const;
  std::string path_;
};

}  // namespace kyz
