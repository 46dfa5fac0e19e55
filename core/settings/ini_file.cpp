#include "core/settings/ini_file.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <vector>

#include "core/settings/file_io.h"

namespace kyz {
namespace {

std::string_view trim(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

bool same_name(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// FNV-1a of the name in lower case: equal for names that match.
std::uint64_t name_hash(std::string_view name) {
  std::uint64_t hash = 14695981039346656037ull;
  for (char c : name) {
    hash ^= static_cast<unsigned char>(std::tolower(static_cast<unsigned char>(c)));
    hash *= 1099511628211ull;
  }
  return hash;
}

std::uint64_t both_names_hash(std::uint64_t section_hash, std::uint64_t key_hash) {
  return section_hash * 0x9E3779B97F4A7C15ull ^ key_hash;
}

// The section name of a "[name]" line, or nothing.
std::optional<std::string_view> section_of(std::string_view line) {
  line = trim(line);
  if (line.size() < 2 || line.front() != '[') return std::nullopt;
  const auto close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return trim(line.substr(1, close - 1));
}

struct KeyValue {
  std::string_view key, value;
};

std::optional<KeyValue> key_value_of(std::string_view line) {
  const auto eq = line.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return KeyValue{trim(line.substr(0, eq)), trim(line.substr(eq + 1))};
}

}  // namespace

IniText::IniText(std::string_view text) : buffer_(text) {
  lines_.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
  std::size_t start = 0;
  while (start < buffer_.size()) {
    auto end = buffer_.find('\n', start);
    if (end == std::string::npos) end = buffer_.size();
    Span line{start, end - start};
    if (line.size > 0 && buffer_[end - 1] == '\r') --line.size;
    lines_.push_back(parse(line));
    start = end + 1;
  }
}

IniText::Line IniText::add_line(std::string_view text) {
  const Span span{buffer_.size(), text.size()};
  buffer_ += text;
  return parse(span);
}

IniText::Line IniText::parse(Span text) const {
  const std::string_view view = part(text);
  const auto span_of = [&](std::string_view piece) {
    return Span{static_cast<std::size_t>(piece.data() - buffer_.data()), piece.size()};
  };
  Line line;
  line.text = text;
  line.blank = trim(view).empty();
  if (auto name = section_of(view)) {
    line.is_section = true;
    line.name = span_of(*name);
  } else if (auto kv = key_value_of(view)) {
    line.is_key = true;
    line.name = span_of(kv->key);
    line.value = span_of(kv->value);
  }
  if (line.is_section || line.is_key) line.name_hash = name_hash(part(line.name));
  return line;
}

std::string IniText::text() const {
  std::string text;
  for (const Line& line : lines_) {
    text += part(line.text);
    text += "\r\n";
  }
  return text;
}

void IniText::rebuild_index() {
  std::size_t keys = 0;
  for (const Line& line : lines_) keys += line.is_key ? 1 : 0;
  std::size_t size = 16;
  while (size < 2 * keys) size *= 2;  // at most half full, so probe runs stay short
  index_.assign(size, Slot{});
  std::size_t section = lines_.size();  // none yet: keys before any header are never read
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].is_section) {
      section = i;
    } else if (lines_[i].is_key && section < lines_.size()) {
      const std::uint64_t hash = both_names_hash(lines_[section].name_hash, lines_[i].name_hash);
      std::size_t slot = hash & (size - 1);
      while (index_[slot].used) slot = (slot + 1) & (size - 1);
      index_[slot] = Slot{hash, section, i, true};
    }
  }
  index_current_ = true;
}

std::string IniText::read(std::string_view section, std::string_view key,
                          std::string_view fallback, std::size_t max_chars) {
  if (!index_current_) rebuild_index();
  const std::uint64_t hash = both_names_hash(name_hash(section), name_hash(key));
  std::string value(fallback);
  for (std::size_t slot = hash & (index_.size() - 1); index_[slot].used;
       slot = (slot + 1) & (index_.size() - 1)) {
    const Slot& entry = index_[slot];
    if (entry.hash == hash && same_name(part(lines_[entry.section].name), section) &&
        same_name(part(lines_[entry.key].name), key)) {
      value = part(lines_[entry.key].value);
      break;
    }
  }
  if (value.size() > max_chars) value.resize(max_chars);
  return value;
}

bool IniText::write(std::string_view section, std::string_view key, std::string_view value) {
  std::vector<Line>& lines = lines_;
  std::string entry = std::string(key) + "=" + std::string(value);
  std::size_t section_end = 0;  // after the section's last non-blank line
  bool found_section = false;
  bool in_section = false;
  bool done = false;
  for (std::size_t i = 0; i < lines.size() && !done; ++i) {
    if (lines[i].is_section) {
      if (in_section) break;
      in_section = same_name(part(lines[i].name), section);
      if (in_section) {
        found_section = true;
        section_end = i + 1;
      }
      continue;
    }
    if (!in_section) continue;
    if (!lines[i].blank) section_end = i + 1;
    if (lines[i].is_key && same_name(part(lines[i].name), key)) {
      lines[i] = add_line(entry);
      done = true;
    }
  }
  if (!done) {
    if (found_section) {
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(section_end), add_line(entry));
    } else {
      lines.push_back(add_line("[" + std::string(section) + "]"));
      lines.push_back(add_line(entry));
    }
  }
  index_current_ = false;
  return true;
}

// A file that cannot be read reads as empty, as a missing one does.
IniText IniFile::load() const {
  std::string text;
  read_whole_file(path_, text);
  return IniText(text);
}

std::string IniFile::read(std::string_view section, std::string_view key,
                          std::string_view fallback, std::size_t max_chars) {
  return load().read(section, key, fallback, max_chars);
}

bool IniFile::write(std::string_view section, std::string_view key, std::string_view value) {
  IniText ini = load();
  ini.write(section, key, value);
  return replace_file(path_, ini.text());
}

}  // namespace kyz
