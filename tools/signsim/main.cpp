// signsim: a stand-in for the KYZ-424 sign, for tests and for trying the tool without
// a sign. It answers as the sign does: "GO" to every well-formed setting command, the
// current value in the setting's own command layout to every read-back request, "E3"
// to anything it does not understand. Its state starts at factory values and keeps
// whatever it was sent.
//
//   signsim --tcp-listen PORT|0 [--port-file FILE]     the sign's network adapter
//   signsim --connect HOST:PORT [--adapters N]         adapters of a tool in server mode
//   signsim --serial /path/to/pty                      the sign on a serial line (8E1)
//   plus --log FILE, --raw-log FILE, --ready-file FILE, --factory-state FILE, --state-file FILE,
//   and the faults --error-reply TEXT, --on-command N[,N], --fault-channel K, --silent,
//   --split K, --split-pause-ms MS, --delay-ms MS, --close-after N, --close-mid-answer,
//   --flood-bytes N, --answer-twice.  `signsim --help` explains each one.
//
// Each connection or serial line is served by its own thread; a signal wakes them all
// through the stop pipe (stop_signal.h). TCP connections and the serial line share one
// sign; each adapter is a sign of its own.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <poll.h>
#include <sstream>
#include <string>
#include <vector>

#include "tools/signsim/activity_log.h"
#include "tools/signsim/adapter_connector.h"
#include "tools/signsim/factory_file.h"
#include "tools/signsim/options.h"
#include "tools/signsim/serial_device.h"
#include "tools/signsim/stop_signal.h"
#include "tools/signsim/tcp_listener.h"

namespace kyz::signsim {
namespace {

// Writes `text` to `path` through a temporary file, so a reader never sees half of it.
bool publish_file(const std::string& path, const std::string& text) {
  const std::string temporary = path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out.flush()) return false;
  }
  return std::rename(temporary.c_str(), path.c_str()) == 0;
}

bool load_starting_state(const Options& options, SignState& state, std::string& error) {
  state = factory_state();
  if (options.factory_state_path.empty()) return true;
  std::ifstream in(options.factory_state_path, std::ios::binary);
  if (!in) {
    error = "cannot read " + options.factory_state_path;
    return false;
  }
  std::ostringstream text;
  text << in.rdbuf();
  if (!apply_factory_commands(text.str(), state, error)) {
    error = options.factory_state_path + ": " + error;
    return false;
  }
  return true;
}

int run(const Options& options) {
  if (!install_stop_handlers()) {
    std::fprintf(stderr, "signsim: cannot install signal handlers: %s\n", std::strerror(errno));
    return 1;
  }
  ActivityLog log;
  std::string error;
  if (!log.open(options.log_path, options.raw_log_path, error)) {
    std::fprintf(stderr, "signsim: %s\n", error.c_str());
    return 1;
  }
  SignState start;
  if (!load_starting_state(options, start, error)) {
    std::fprintf(stderr, "signsim: %s\n", error.c_str());
    return 2;
  }

  const SessionContext context{log, options.faults, options.line_limit};
  Sign shared_sign(start, options.state_file);  // reached over the TCP listener and the serial line
  if (options.tcp_listen || !options.serial_path.empty()) publish_state(shared_sign);
  std::unique_ptr<TcpListener> listener;
  std::unique_ptr<SerialDevice> serial;
  std::unique_ptr<AdapterConnector> adapters;

  bool ok = true;
  if (options.tcp_listen) {
    listener = std::make_unique<TcpListener>(shared_sign, context);
    ok = listener->start(options.listen_port, options.hold_connects, error);
    const std::string port_text = std::to_string(listener->port()) + "\n";
    if (ok && !options.port_file.empty() && !publish_file(options.port_file, port_text)) {
      error = "cannot write " + options.port_file;
      ok = false;
    }
  }
  if (ok && !options.serial_path.empty()) {
    serial = std::make_unique<SerialDevice>(shared_sign, context);
    ok = serial->start(options.serial_path, error);
  }
  if (ok && !options.connect_host.empty()) {
    adapters = std::make_unique<AdapterConnector>(context);
    const bool tagged = options.adapter_tag;
    ok = adapters->start(options.connect_host, options.connect_port, options.adapters,
                         options.connect_timeout_ms,
                         [&start, tagged](int k) {
                           SignState s = start;
                           if (tagged) s.alarm_hold_time = k;
                           return s;
                         },
                         options.state_file,
                         error);
  }
  if (ok && !options.ready_file.empty() && !publish_file(options.ready_file, "ready\n")) {
    error = "cannot write " + options.ready_file;
    ok = false;
  }
  if (!ok && stop_requested()) {
    ok = true;  // told to stop while still setting up: a clean stop, not a failure
  } else if (ok) {
    log.note("signsim", "ready");
  } else {
    std::fprintf(stderr, "signsim: %s\n", error.c_str());
    log.note("signsim", "failed: " + error);
    request_stop();
  }

  // Run until told to stop, or until nothing is left to serve: the listener never ends
  // by itself, while the serial line and the adapters end when their peer goes.
  while (!stop_requested()) {
    const bool serving = listener || (serial && serial->running()) || (adapters && adapters->running() > 0);
    if (!serving) break;
    pollfd wake{stop_wake_fd(), POLLIN, 0};
    poll(&wake, 1, 100);
  }
  request_stop();
  if (listener) listener->join();
  if (serial) serial->join();
  if (adapters) adapters->join();
  log.note("signsim", "stopped");
  return ok ? 0 : 1;
}

}  // namespace
}  // namespace kyz::signsim

int main(int argc, char** argv) {
  using namespace kyz::signsim;
  Options options;
  std::string error;
  if (!parse_options(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
    std::fprintf(stderr, "signsim: %s\n%s", error.c_str(), usage_text);
    return 2;
  }
  if (options.help) {
    std::fputs(usage_text, stdout);
    return 0;
  }
  return run(options);
}
