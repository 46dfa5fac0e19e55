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

IniText::IniText(std::string_view text) {
  lines_.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
  std::size_t start = 0;
  while (start < text.size()) {
    auto end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines_.push_back(parse(std::string(line)));
    start = end + 1;
  }
}

IniText::Line IniText::parse(std::string text) {
  Line line;
  line.blank = trim(text).empty();
  if (auto name = section_of(text)) {
    line.is_section = true;
    line.name = *name;
  } else if (auto kv = key_value_of(text)) {
    line.is_key = true;
    line.name = kv->key;
    line.value = kv->value;
  }
  line.text = std::move(text);
  return line;
}

std::string IniText::text() const {
  std::string text;
  for (const Line& line : lines_) text += line.text + "\r\n";
  return text;
}

std::string IniText::read(std::string_view section, std::string_view key,
                          std::string_view fallback, std::size_t max_chars) {
  bool in_section = false;
  std::string value(fallback);
  for (const Line& line : lines_) {
    if (line.is_section) {
      in_section = same_name(line.name, section);
      continue;
    }
    if (in_section && line.is_key && same_name(line.name, key)) {
      value = line.value;
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
      in_section = same_name(lines[i].name, section);
      if (in_section) {
        found_section = true;
        section_end = i + 1;
      }
      continue;
    }
    if (!in_section) continue;
    if (!lines[i].blank) section_end = i + 1;
    if (lines[i].is_key && same_name(lines[i].name, key)) {
      lines[i] = parse(std::move(entry));
      done = true;
    }
  }
  if (!done) {
    if (found_section) {
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(section_end),
                   parse(std::move(entry)));
    } else {
      lines.push_back(parse("[" + std::string(section) + "]"));
      lines.push_back(parse(std::move(entry)));
    }
  }
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
