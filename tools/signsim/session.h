// One conversation with the tool over a connected socket or an open serial device:
// gather lines, answer each through the sign, apply the fault plan, log everything.
#pragma once

#include <cstddef>
#include <mutex>
#include <string>
#include <utility>

#include "tools/signsim/activity_log.h"
#include "tools/signsim/fault_plan.h"
#include "tools/signsim/sign_state.h"

namespace kyz::signsim {

// One sign: its state and the lock that lets several connections share it.
struct Sign {
  explicit Sign(const SignState& initial, std::string report_path = {})
      : state(initial), state_file(std::move(report_path)) {}
  std::mutex mutex;
  SignState state;
  // Rewritten with `state_report` whenever a setting is accepted (and at the start),
  // so tests can see what the sign now holds; empty = none.
  std::string state_file;
};

// Writes the sign's report to its state file, if it has one. Call with the lock held.
void publish_state(const Sign& sign);

// What every session needs from the program.
struct SessionContext {
  ActivityLog& log;
  const FaultPlan& faults;
  std::size_t line_limit;
};

enum class SessionEnd { peer_closed, closed_by_fault, stopped, failed };

// Serves `fd` (made non-blocking here) until the peer goes, a fault closes it, a stop
// is requested or I/O fails. The caller closes `fd`. `channel` names the session in the
// log ("tcp1", "adapter3", "serial"); `number` is the channel number faults select by.
SessionEnd serve_session(int fd, bool is_socket, const std::string& channel, int number, Sign& sign,
                         const SessionContext& context);

const char* describe(SessionEnd end);

}  // namespace kyz::signsim
