// TCP to sign adapters with POSIX sockets: connections made, adapters accepted, and a
// wait on many sockets at once. Every socket is non-blocking; poll bounds each wait.
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "core/links/byte_stream.h"
#include "core/links/posix/write_waiting.h"

namespace kyz {
namespace {

constexpr int write_timeout_ms = 3000;
constexpr int listen_backlog = 128;  // a whole fleet may knock at once

void make_non_blocking(int fd) { fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK); }

class SocketStream final : public ByteStream {
 public:
  explicit SocketStream(int fd) : fd_(fd) {
    make_non_blocking(fd_);
    const int on = 1;
    setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
  }
  ~SocketStream() override { close(fd_); }

  bool write_all(std::string_view bytes, std::string& error) override {
    const WriteEnd end = write_waiting(fd_, bytes, write_timeout_ms, [this](const char* data, std::size_t size) {
      return send(fd_, data, size, MSG_NOSIGNAL);
    });
    if (end == WriteEnd::stalled) error = "the connection does not take the command";
    if (end == WriteEnd::failed) {
      error = errno == EPIPE || errno == ECONNRESET ? std::string("the sign closed the connection")
                                                    : std::string("send failed: ") + std::strerror(errno);
    }
    return end == WriteEnd::written;
  }

  int read_within(char* buffer, std::size_t size, Millis timeout_ms, std::string& error) override {
    pollfd p{fd_, POLLIN, 0};
    if (poll(&p, 1, static_cast<int>(timeout_ms)) <= 0) return 0;
    const ssize_t n = recv(fd_, buffer, size, 0);
    if (n > 0) return static_cast<int>(n);
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) return 0;
    error = n == 0 || errno == ECONNRESET ? std::string("the sign closed the connection")
                                          : std::string("receive failed: ") + std::strerror(errno);
    return -1;
  }

  std::intptr_t socket_handle() const override { return fd_; }

 private:
  int fd_;
};

bool resolve(const HostPort& target, sockaddr_in& address, std::string& error) {
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  const int result = getaddrinfo(target.host.c_str(), nullptr, &hints, &found);
  if (result != 0 || !found) {
    error = "cannot find host " + target.host + ": " + gai_strerror(result);
    return false;
  }
  address = *reinterpret_cast<const sockaddr_in*>(found->ai_addr);
  address.sin_port = htons(target.port);
  freeaddrinfo(found);
  return true;
}

std::string target_text(const HostPort& target) { return target.host + ":" + std::to_string(target.port); }

std::string connect_failure(const HostPort& target, int e) {
  const char* why = e == ECONNREFUSED ? "refused" : e == ETIMEDOUT ? "no answer" : std::strerror(e);
  return "cannot connect to " + target_text(target) + ": " + why;
}

}  // namespace

std::vector<Connection> connect_tcp_streams(const std::vector<HostPort>& targets, Millis timeout_ms) {
  std::vector<Connection> results(targets.size());
  std::vector<int> pending(targets.size(), -1);
  for (std::size_t i = 0; i < targets.size(); ++i) {
    sockaddr_in address{};
    if (!resolve(targets[i], address, results[i].error)) continue;
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
      results[i].error = std::string("cannot create a socket: ") + std::strerror(errno);
      continue;
    }
    if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
      results[i].stream = std::make_unique<SocketStream>(fd);
    } else if (errno == EINPROGRESS) {
      pending[i] = fd;
    } else {
      results[i].error = connect_failure(targets[i], errno);
      close(fd);
    }
  }
  const Millis deadline = steady_now_ms() + timeout_ms;
  for (;;) {
    std::vector<pollfd> waits;
    std::vector<std::size_t> owners;
    for (std::size_t i = 0; i < pending.size(); ++i) {
      if (pending[i] < 0) continue;
      waits.push_back({pending[i], POLLOUT, 0});
      owners.push_back(i);
    }
    const Millis left = deadline - steady_now_ms();
    if (waits.empty()) break;
    if (left <= 0) {
      for (std::size_t i : owners) {
        results[i].error = connect_failure(targets[i], ETIMEDOUT);
        close(pending[i]);
        pending[i] = -1;
      }
      break;
    }
    if (poll(waits.data(), waits.size(), static_cast<int>(left)) < 0 && errno != EINTR) break;
    for (std::size_t k = 0; k < waits.size(); ++k) {
      if (!waits[k].revents) continue;
      const std::size_t i = owners[k];
      int failure = 0;
      socklen_t length = sizeof failure;
      getsockopt(pending[i], SOL_SOCKET, SO_ERROR, &failure, &length);
      if (failure == 0) {
        results[i].stream = std::make_unique<SocketStream>(pending[i]);
      } else {
        results[i].error = connect_failure(targets[i], failure);
        close(pending[i]);
      }
      pending[i] = -1;
    }
  }
  return results;
}

namespace {

class SocketListener final : public AdapterListener {
 public:
  explicit SocketListener(int fd) : fd_(fd) {}
  ~SocketListener() override { close(fd_); }

  std::vector<Arrival> accept_waiting(Millis timeout_ms) override {
    std::vector<Arrival> arrivals;
    pollfd p{fd_, POLLIN, 0};
    if (poll(&p, 1, static_cast<int>(timeout_ms)) <= 0) return arrivals;
    for (;;) {
      sockaddr_in peer{};
      socklen_t length = sizeof peer;
      const int fd = accept4(fd_, reinterpret_cast<sockaddr*>(&peer), &length, SOCK_CLOEXEC);
      if (fd < 0) {
        if (errno == EINTR || errno == ECONNABORTED) continue;
        break;  // EAGAIN: none left waiting
      }
      char text[INET_ADDRSTRLEN] = {};
      inet_ntop(AF_INET, &peer.sin_addr, text, sizeof text);
      arrivals.push_back({std::make_unique<SocketStream>(fd), text});
    }
    return arrivals;
  }

  std::intptr_t socket_handle() const override { return fd_; }

 private:
  int fd_;
};

}  // namespace

std::unique_ptr<AdapterListener> listen_for_adapters(std::uint16_t port, std::string& error) {
  const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) {
    error = std::string("cannot create a socket: ") + std::strerror(errno);
    return nullptr;
  }
  const int on = 1;
  setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_ANY);
  address.sin_port = htons(port);
  if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
      listen(fd, listen_backlog) != 0) {
    error = "cannot listen on port " + std::to_string(port) + ": " + std::strerror(errno);
    close(fd);
    return nullptr;
  }
  return std::make_unique<SocketListener>(fd);
}

std::vector<std::size_t> wait_for_sockets(const std::vector<std::intptr_t>& sockets, Millis timeout_ms) {
  std::vector<pollfd> waits;
  for (std::intptr_t s : sockets) waits.push_back({static_cast<int>(s), POLLIN, 0});
  std::vector<std::size_t> ready;
  if (poll(waits.data(), waits.size(), static_cast<int>(timeout_ms)) <= 0) return ready;
  for (std::size_t i = 0; i < waits.size(); ++i) {
    if (waits[i].revents) ready.push_back(i);
  }
  return ready;
}

}  // namespace kyz
