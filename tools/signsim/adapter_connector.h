// Sign adapters that connect out to a tool in server mode: adapter k (1..N) is its own
// connection and its own sign. They connect one after another, so the tool's accept
// order (and its client table) follows the adapter numbers.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "tools/signsim/session.h"

namespace kyz::signsim {

class AdapterConnector {
 public:
  explicit AdapterConnector(const SessionContext& context) : context_(context) {}
  ~AdapterConnector();

  // Connects `count` adapters to host:port, retrying refused connects for up to
  // `timeout_ms` each; `make_state(k)` gives adapter k's starting state, and its
  // state report goes to `state_file`.k (none when empty). Each adapter
  // is served in its own thread once connected. False with `error` set when an adapter
  // cannot connect (those already connected keep running).
  bool start(const std::string& host, int port, int count, int timeout_ms,
             const std::function<SignState(int adapter)>& make_state, const std::string& state_file,
             std::string& error);

  // Adapters whose connection is still open.
  int running() const { return running_.load(); }

  void join();

 private:
  const SessionContext& context_;
  std::vector<std::unique_ptr<Sign>> signs_;
  std::vector<std::thread> threads_;
  std::atomic<int> running_{0};
};

// Connects to host:port within `timeout_ms`, retrying while the port refuses. The
// socket is returned connected, or -1 with `error` set.
int connect_with_retry(const std::string& host, int port, int timeout_ms, std::string& error);

}  // namespace kyz::signsim
