#include "core/settings/ini_file.h"

#include <algorithm>
#include <cctype>
#include <optional>

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

std::vector<std::string> IniFile::load_lines() const {
  std::string text;
  std::vector<std::string> lines;
  if (!read_whole_file(path_, text)) return lines;
  std::size_t start = 0;
  while (start < text.size()) {
    auto end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

std::string IniFile::read(std::string_view section, std::string_view key,
                          std::string_view fallback, std::size_t max_chars) {
  bool in_section = false;
  std::string value(fallback);
  for (const std::string& line : load_lines()) {
    if (auto name = section_of(line)) {
      in_section = same_name(*name, section);
      continue;
    }
    if (!in_section) continue;
    if (auto kv = key_value_of(line); kv && same_name(kv->key, key)) {
      value = std::string(kv->value);
      break;
    }
  }
  if (value.size() > max_chars) value.resize(max_chars);
  return value;
}

bool IniFile::write(std::string_view section, std::string_view key, std::string_view value) {
  std::vector<std::string> lines = load_lines();
  const std::string entry = std::string(key) + "=" + std::string(value);
  std::size_t section_end = 0;  // after the section's last non-blank line
  bool found_section = false;
  bool in_section = false;
  bool done = false;
  for (std::size_t i = 0; i < lines.size() && !done; ++i) {
    if (auto name = section_of(lines[i])) {
      if (in_section) break;
      in_section = same_name(*name, section);
      if (in_section) {
        found_section = true;
        section_end = i + 1;
      }
      continue;
    }
    if (!in_section) continue;
    if (!trim(lines[i]).empty()) section_end = i + 1;
    if (auto kv = key_value_of(lines[i]); kv && same_name(kv->key, key)) {
      lines[i] = entry;
      done = true;
    }
  }
  if (!done) {
    if (found_section) {
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(section_end), entry);
    } else {
      lines.push_back("[" + std::string(section) + "]");
      lines.push_back(entry);
    }
  }
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return replace_file(path_, text);
}

}  // namespace kyz
