// A small ini reader and writer in the private-profile format: "[section]" lines,
// "key=value" lines, CR LF line ends. Keys and sections match without regard to case,
// as the platform's profile functions do.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings/profile_store.h"

namespace kyz {

// The format over text held in memory. The text is kept in one buffer and each line is
// taken apart once, into offsets of its parts in that buffer; a written line is added to
// the buffer. Reads find their key through a table hashed by section and key name, so
// loading a long host list costs a lookup per key rather than a pass over every line.
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
  // Where a part lies in buffer_: offsets stay valid when the buffer grows.
  struct Span {
    std::size_t begin = 0, size = 0;
  };
  struct Line {
    Span text;
    bool blank = false;
    bool is_section = false;      // "[name]"
    bool is_key = false;          // "name=value"
    Span name, value;             // without surrounding blanks
    std::uint64_t name_hash = 0;  // of the name in lower case
  };
  // A key line under a section header, in a table found by the hash of both names.
  struct Slot {
    std::uint64_t hash = 0;
    std::size_t section = 0, key = 0;  // positions in lines_
    bool used = false;
  };
  std::string_view part(Span span) const {
    return std::string_view(buffer_).substr(span.begin, span.size);
  }
  // Adds a written line's text to the buffer and takes it apart.
  Line add_line(std::string_view text);
  Line parse(Span text) const;
  void rebuild_index();

  std::string buffer_;
  std::vector<Line> lines_;
  // Open addressing with linear probing, filled in the order of the lines, so along a
  // run of slots the earliest line comes first: the one a read returns. Built at the
  // first read after a change.
  std::vector<Slot> index_;
  bool index_current_ = false;
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
