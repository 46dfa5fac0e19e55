// The simulator's log, read by tests: one line per received command line, per reply
// and per event, each with a UTC time stamp in milliseconds and the channel, e.g.
//   2026-12-08T22:05:01.123Z tcp1 rx PTSS33333333333333333333333333333333\r\n
//   2026-12-08T22:05:01.124Z tcp1 tx GO\r\n
//   2026-12-08T22:05:01.200Z serial note line settings 38400 8E1
// A write longer than 1024 bytes (a flood) is logged as its first 64 bytes and its size.
// Bytes are shown as text where printable, CR and LF as \r and \n, a backslash doubled,
// and every other byte as \xHH. The raw log, if asked for, receives the exact bytes.
// Every write is flushed at once, so a test can read the file while the sign runs.
#pragma once

#include <cstdio>
#include <mutex>
#include <string>
#include <string_view>

namespace kyz::signsim {

std::string escape_bytes(std::string_view bytes);

// "YYYY-MM-DDTHH:MM:SS.mmmZ" for the current time.
std::string utc_timestamp();

class ActivityLog {
 public:
  ActivityLog() = default;
  ~ActivityLog();
  ActivityLog(const ActivityLog&) = delete;
  ActivityLog& operator=(const ActivityLog&) = delete;

  // Open (append) the files; an empty path leaves that log off. False with `error` set
  // when a file cannot be opened.
  bool open(const std::string& log_path, const std::string& raw_path, std::string& error);

  void received(std::string_view channel, std::string_view line);
  void sent(std::string_view channel, std::string_view bytes);
  void note(std::string_view channel, std::string_view text);
  void raw(std::string_view bytes);

 private:
  void write_line(std::string_view channel, std::string_view kind, std::string_view text);

  std::mutex mutex_;
  std::FILE* log_ = nullptr;
  std::FILE* raw_ = nullptr;
};

}  // namespace kyz::signsim
