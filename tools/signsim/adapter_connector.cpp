#include "tools/signsim/adapter_connector.h"

#include <arpa/inet.h>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "tools/signsim/stop_signal.h"

namespace kyz::signsim {
namespace {

using Clock = std::chrono::steady_clock;
constexpr int attempt_ms = 100;

int remaining_ms(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
  return left > 0 ? static_cast<int>(left) : 0;
}

bool resolve(const std::string& host, int port, sockaddr_in& address) {
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || !found) return false;
  address = *reinterpret_cast<sockaddr_in*>(found->ai_addr);
  address.sin_port = htons(static_cast<uint16_t>(port));
  freeaddrinfo(found);
  return true;
}

// One non-blocking connect attempt bounded by the deadline. Returns the socket, or -1
// with errno-like `failure` set.
int try_connect(const sockaddr_in& address, Clock::time_point deadline, int& failure) {
  const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) {
    failure = errno;
    return -1;
  }
  if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) return fd;
  if (errno != EINPROGRESS) {
    failure = errno;
    close(fd);
    return -1;
  }
  // A listener whose accept queue is full drops the connect request, and the kernel
  // would ask again only after a second; asking anew after a short while is faster.
  pollfd fds[2] = {{fd, POLLOUT, 0}, {stop_wake_fd(), POLLIN, 0}};
  const int n = poll(fds, 2, std::min(remaining_ms(deadline), attempt_ms));
  if (n <= 0 || fds[1].revents) {
    failure = n == 0 ? ETIMEDOUT : EINTR;
    close(fd);
    return -1;
  }
  socklen_t length = sizeof failure;
  getsockopt(fd, SOL_SOCKET, SO_ERROR, &failure, &length);
  if (failure != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

int connect_with_retry(const std::string& host, int port, int timeout_ms, std::string& error) {
  sockaddr_in address{};
  if (!resolve(host, port, address)) {
    error = "cannot resolve " + host;
    return -1;
  }
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
  for (;;) {
    int failure = 0;
    const int fd = try_connect(address, deadline, failure);
    if (fd >= 0) return fd;
    // The tool may not be listening yet: try again shortly, until the deadline.
    const bool worth_retrying =
        failure == ECONNREFUSED || failure == ECONNRESET || failure == EAGAIN || failure == ETIMEDOUT;
    if (!worth_retrying || stop_requested() || remaining_ms(deadline) == 0) {
      error = "cannot connect to " + host + ":" + std::to_string(port) + ": " + std::strerror(failure);
      return -1;
    }
    if (failure != ETIMEDOUT) {
      pollfd wake{stop_wake_fd(), POLLIN, 0};
      poll(&wake, 1, std::min(50, remaining_ms(deadline)));
    }
  }
}

AdapterConnector::~AdapterConnector() { join(); }

bool AdapterConnector::start(const std::string& host, int port, int count, int timeout_ms,
                             const std::function<SignState(int adapter)>& make_state, const std::string& state_file,
                             std::string& error) {
  for (int k = 1; k <= count; ++k) {
    const std::string channel = "adapter" + std::to_string(k);
    const int fd = connect_with_retry(host, port, timeout_ms, error);
    if (fd < 0) {
      context_.log.note(channel, error);
      error = channel + ": " + error;
      return false;
    }
    context_.log.note(channel, "connected to " + host + ":" + std::to_string(port));
    signs_.push_back(std::make_unique<Sign>(
        make_state(k), state_file.empty() ? std::string() : state_file + "." + std::to_string(k)));
    Sign& sign = *signs_.back();
    publish_state(sign);
    ++running_;
    threads_.emplace_back([this, fd, k, channel, &sign] {
      const SessionEnd end = serve_session(fd, true, channel, k, sign, context_);
      if (end == SessionEnd::closed_by_fault) shutdown(fd, SHUT_WR);
      close(fd);
      context_.log.note(channel, describe(end));
      --running_;
    });
  }
  return true;
}

void AdapterConnector::join() {
  for (auto& thread : threads_)
    if (thread.joinable()) thread.join();
  threads_.clear();
}

}  // namespace kyz::signsim
