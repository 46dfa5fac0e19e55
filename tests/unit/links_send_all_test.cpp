// The send loop both programs use: a send call that takes part of a command, or nothing
// while the socket's queue is full, is followed by more calls until the whole command has
// gone; a failed call, or a queue that stays full, ends the send as failed.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/links/send_all.h"

namespace kyz {
namespace {

struct SendCase {
  const char* name;
  // What each call does, the last one repeated: up to this many bytes taken, 0 a full
  // queue, send_failure a failed call.
  std::vector<int> calls;
  bool sent;
  std::size_t bytes_out;  // how much of the command reached the socket
  int pauses;
};

TEST(LinksSendAll, FinishesPartialAndBlockedSendsAndStopsOnFailure) {
  // A title command, the longest there is.
  const std::string command = "PTI01" + std::string(391, '2') + "\r\n";
  const std::size_t all = command.size();
  const SendCase cases[] = {
      {"taken at once", {1000}, true, all, 0},
      {"taken a few bytes at a time", {7}, true, all, 0},
      {"queue full now and then", {0, 0, 100, 0, 1000}, true, all, 3},
      {"failure after part of it", {120, send_failure}, false, 120, 0},
      {"queue stays full", {50, 0}, false, 50, send_busy_retries},
  };
  for (const SendCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::string wire;
    std::size_t call = 0;
    int pauses = 0;
    const bool sent = send_all(
        command,
        [&](std::string_view rest) {
          const int step = c.calls[std::min(call++, c.calls.size() - 1)];
          if (step <= 0) return step;
          const std::size_t taken = std::min(rest.size(), static_cast<std::size_t>(step));
          wire.append(rest.substr(0, taken));
          return static_cast<int>(taken);
        },
        [&] { ++pauses; });
    EXPECT_EQ(sent, c.sent);
    EXPECT_EQ(wire, command.substr(0, c.bytes_out));
    EXPECT_EQ(pauses, c.pauses);
  }
}

}  // namespace
}  // namespace kyz
