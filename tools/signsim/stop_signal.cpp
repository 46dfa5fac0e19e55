#include "tools/signsim/stop_signal.h"

#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace kyz::signsim {
namespace {

std::atomic<bool> stopping{false};
int wake_pipe[2] = {-1, -1};

void on_stop_signal(int) {
  stopping.store(true);
  const char byte = 's';
  // The pipe is never read, so one byte keeps it readable for every poller.
  [[maybe_unused]] const auto ignored = write(wake_pipe[1], &byte, 1);
}

}  // namespace

bool install_stop_handlers() {
  if (pipe2(wake_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return false;
  struct sigaction action {};
  action.sa_handler = on_stop_signal;
  sigemptyset(&action.sa_mask);
  if (sigaction(SIGTERM, &action, nullptr) != 0 || sigaction(SIGINT, &action, nullptr) != 0) return false;
  std::signal(SIGPIPE, SIG_IGN);
  return true;
}

bool stop_requested() { return stopping.load(); }

void request_stop() { on_stop_signal(0); }

int stop_wake_fd() { return wake_pipe[0]; }

}  // namespace kyz::signsim
