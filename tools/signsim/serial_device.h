// The sign on a serial line: opens a serial device or pseudo-terminal, sets the sign's
// line settings (38400 baud, 8 data bits, even parity, 1 stop bit, raw) and answers
// there. A Linux pseudo-terminal may refuse the parity bit; the sign then runs raw
// without it and says so in the log, since bytes pass a pty the same either way.
#pragma once

#include <atomic>
#include <string>
#include <thread>

#include "tools/signsim/session.h"

namespace kyz::signsim {

// Sets 38400 8E1 raw on an open terminal descriptor. Returns a description of what was
// applied for the log, or an empty string with `error` set when nothing could be set.
std::string apply_line_settings(int fd, std::string& error);

class SerialDevice {
 public:
  SerialDevice(Sign& sign, const SessionContext& context) : sign_(sign), context_(context) {}
  ~SerialDevice();

  bool start(const std::string& path, std::string& error);
  bool running() const { return running_.load(); }
  void join();

 private:
  Sign& sign_;
  const SessionContext& context_;
  std::thread thread_;
  std::atomic<bool> running_{false};
};

}  // namespace kyz::signsim
