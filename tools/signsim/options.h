// The simulator's command line.
#pragma once

#include <string>
#include <vector>

#include "tools/signsim/fault_plan.h"

namespace kyz::signsim {

inline constexpr int max_adapters = 100;

struct Options {
  bool help = false;
  // Channels; at least one is needed.
  bool tcp_listen = false;
  int listen_port = 0;            // 0 = any free port
  std::string port_file;          // receives the port actually listened on
  bool hold_connects = false;     // listen, but leave every connect to the port pending
  std::string connect_host;       // adapter mode: the tool's listening address
  int connect_port = 0;
  int adapters = 1;
  int connect_timeout_ms = 10000; // keep retrying a refused connect this long
  bool adapter_tag = false;       // adapter k starts with hold time k ("ADT00k")
  std::string serial_path;
  // Files.
  std::string log_path;
  std::string raw_log_path;
  std::string ready_file;         // written once every channel is up
  std::string factory_state_path; // command lines applied to a new sign
  std::string state_file;         // what the sign holds, rewritten on every change
  std::size_t line_limit = 4096;
  FaultPlan faults;
};

// Parses the arguments after the program name. False with `error` set when they are
// not usable.
bool parse_options(const std::vector<std::string>& args, Options& options, std::string& error);

extern const char* const usage_text;

}  // namespace kyz::signsim
