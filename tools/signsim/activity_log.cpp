#include "tools/signsim/activity_log.h"

#include <chrono>
#include <ctime>

namespace kyz::signsim {

std::string escape_bytes(std::string_view bytes) {
  static constexpr char hex[] = "0123456789ABCDEF";
  std::string text;
  text.reserve(bytes.size());
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\r') {
      text += "\\r";
    } else if (c == '\n') {
      text += "\\n";
    } else if (c == '\\') {
      text += "\\\\";
    } else if (byte >= 0x20 && byte < 0x7F) {
      text += c;
    } else {
      text += "\\x";
      text += hex[byte >> 4];
      text += hex[byte & 0xF];
    }
  }
  return text;
}

std::string utc_timestamp() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const auto millis =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  std::tm parts{};
  gmtime_r(&seconds, &parts);
  char text[40];
  const std::size_t n = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &parts);
  std::snprintf(text + n, sizeof text - n, ".%03dZ", static_cast<int>(millis));
  return text;
}

ActivityLog::~ActivityLog() {
  if (log_) std::fclose(log_);
  if (raw_) std::fclose(raw_);
}

bool ActivityLog::open(const std::string& log_path, const std::string& raw_path, std::string& error) {
  if (!log_path.empty() && !(log_ = std::fopen(log_path.c_str(), "ab"))) {
    error = "cannot open log file " + log_path;
    return false;
  }
  if (!raw_path.empty() && !(raw_ = std::fopen(raw_path.c_str(), "ab"))) {
    error = "cannot open raw log file " + raw_path;
    return false;
  }
  return true;
}

void ActivityLog::write_line(std::string_view channel, std::string_view kind, std::string_view text) {
  std::lock_guard lock(mutex_);
  if (!log_) return;
  const std::string line = utc_timestamp() + " " + std::string(channel) + " " + std::string(kind) +
                           " " + std::string(text) + "\n";
  std::fwrite(line.data(), 1, line.size(), log_);
  std::fflush(log_);
}

void ActivityLog::received(std::string_view channel, std::string_view line) {
  write_line(channel, "rx", escape_bytes(line));
}

void ActivityLog::sent(std::string_view channel, std::string_view bytes) {
  // A flood would make an unreadable log: show its start and its size.
  constexpr std::size_t shown = 64;
  if (bytes.size() > 1024) {
    write_line(channel, "tx", escape_bytes(bytes.substr(0, shown)) + "... (" +
                                  std::to_string(bytes.size()) + " bytes)");
    return;
  }
  write_line(channel, "tx", escape_bytes(bytes));
}

void ActivityLog::note(std::string_view channel, std::string_view text) {
  write_line(channel, "note", text);
}

void ActivityLog::raw(std::string_view bytes) {
  std::lock_guard lock(mutex_);
  if (!raw_) return;
  std::fwrite(bytes.data(), 1, bytes.size(), raw_);
  std::fflush(raw_);
}

}  // namespace kyz::signsim
