#include "core/settings/data_file.h"

#include <cctype>
#include <climits>
#include <functional>
#include <utility>

#include "core/settings/file_io.h"
#include "core/ui/message_boxes.h"

namespace kyz {
namespace {

// A white-space byte outside a double-byte character. Shift-JIS trail bytes start at
// 0x40, so they never look like white space.
bool is_blank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// A title cannot carry white space in this format: every value is one blank-free run.
// A half-width blank, tab or line break is written as a full-width blank (0x81 0x40),
// which the sign shows as a blank too, and the title is cut again to its field.
std::string title_for_file(const std::string& title) {
  if (title.empty()) return std::string(empty_title_mark);
  std::string out;
  out.reserve(title.size());
  for (std::size_t i = 0; i < title.size(); ++i) {
    const auto b = static_cast<unsigned char>(title[i]);
    if (is_sjis_lead_byte(b) && i + 1 < title.size()) {
      out += title[i];
      out += title[++i];
    } else if (is_blank(title[i])) {
      out += "\x81\x40";
    } else {
      out += title[i];
    }
  }
  return cut_sjis(std::move(out), title_capacity());
}

// Visits every stored field in file order. `number` gets each numeric field,
// `text` each title.
template <typename Record, typename Number, typename Text>
void for_each_value(Record& r, Number&& number, Text&& text) {
  auto pages = [&](auto& field) {
    for (auto& v : field) number(v);
  };
  pages(r.char_color);
  pages(r.border_color);
  pages(r.char_level);
  pages(r.scroll_speed);
  pages(r.background_fill);
  pages(r.sequence_page);
  pages(r.display_position);
  number(r.top_value);
  number(r.bottom_value);
  number(r.page_auto);
  for (auto& row : r.schedule_page)
    for (auto& v : row) number(v);
  for (auto& row : r.schedule_hour)
    for (auto& v : row) number(v);
  number(r.clock_size);
  number(r.clock_range);
  for (auto& t : r.title) text(t);
  number(r.terminal_input);
  number(r.alarm_mode);
  number(r.alarm_polarity);
  number(r.alarm_hold_time);
  number(r.alarm_return);
  number(r.remote_mode);
  for (auto& v : r.terminal_page) number(v);
}

// Reads values from the text the way a formatted C read would: skip white space, then
// take a signed decimal number, or a run of non-blank bytes for a title.
class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  // false at the end of the text.
  bool skip_blanks() {
    while (pos_ < text_.size() && is_blank(text_[pos_])) {
      if (text_[pos_] == '\n') ++line_;
      ++pos_;
    }
    return pos_ < text_.size();
  }

  // Takes an optional sign and at least one digit; the number must fit an int.
  bool number(int& out) {
    std::size_t p = pos_;
    bool negative = false;
    if (p < text_.size() && (text_[p] == '+' || text_[p] == '-')) negative = text_[p++] == '-';
    const std::size_t digits_start = p;
    long long value = 0;
    while (p < text_.size() && std::isdigit(static_cast<unsigned char>(text_[p]))) {
      value = value * 10 + (text_[p++] - '0');
      if (value > static_cast<long long>(INT_MAX) + 1) return false;
    }
    if (p == digits_start) return false;
    if (negative) value = -value;
    if (value > INT_MAX || value < INT_MIN) return false;
    out = static_cast<int>(value);
    pos_ = p;
    return true;
  }

  std::string_view word() {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && !is_blank(text_[pos_])) ++pos_;
    return text_.substr(start, pos_ - start);
  }

  int line() const { return line_; }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

}  // namespace

std::string format_data_file(const SettingsRecord& record) {
  std::string out;
  out.reserve(4096);
  for_each_value(
      record,
      [&](const int& v) {
        out += std::to_string(v);
        out += "\r\n";
      },
      [&](const std::string& t) {
        out += title_for_file(t);
        out += "\r\n";
      });
  return out;
}

ParseResult parse_data_file(std::string_view text, SettingsRecord& record) {
  Scanner in(text);
  ParseResult result;
  bool stopped = false;
  for_each_value(
      record,
      [&](int& v) {
        if (stopped || !in.skip_blanks()) {
          stopped = true;
          return;
        }
        if (!in.number(v)) {
          result.bad_line = in.line();
          stopped = true;
          return;
        }
        ++result.values_read;
      },
      [&](std::string& t) {
        if (stopped || !in.skip_blanks()) {
          stopped = true;
          return;
        }
        const std::string_view w = in.word();
        t = w == empty_title_mark ? std::string() : cut_sjis(std::string(w), title_capacity());
        ++result.values_read;
      });
  return result;
}

bool read_data_file(const std::string& path, SettingsRecord& record) {
  std::string text;
  if (!read_whole_file(path, text)) {
    warning_box("Can't file open");
    return false;
  }
  // Read into a copy first: a file with a value that cannot be read changes nothing, so
  // the settings on screen never become a mixture of two files.
  SettingsRecord read = record;
  const ParseResult result = parse_data_file(text, read);
  if (result.bad_line != 0) {
    warning_box("Can't read line " + std::to_string(result.bad_line));
    return false;
  }
  read.data_file_path = path;
  read.modified = 0;
  record = std::move(read);
  return true;
}

bool write_data_file(const std::string& path, SettingsRecord& record) {
  if (!replace_file(path, format_data_file(record))) {
    warning_box("Can't file open");
    return false;
  }
  record.modified = 0;
  return true;
}

}  // namespace kyz
