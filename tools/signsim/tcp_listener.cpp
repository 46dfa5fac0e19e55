#include "tools/signsim/tcp_listener.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "tools/signsim/stop_signal.h"

namespace kyz::signsim {

TcpListener::~TcpListener() {
  join();
}

bool TcpListener::start(int port, bool hold_connects, std::string& error) {
  listen_fd_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (listen_fd_ < 0) {
    error = std::string("socket: ") + std::strerror(errno);
    return false;
  }
  const int on = 1;
  setsockopt(listen_fd_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<uint16_t>(port));
  if (bind(listen_fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      listen(listen_fd_, hold_connects ? 0 : 128) != 0) {
    error = "cannot listen on 127.0.0.1:" + std::to_string(port) + ": " + std::strerror(errno);
    close(listen_fd_);
    listen_fd_ = -1;
    return false;
  }
  socklen_t length = sizeof address;
  getsockname(listen_fd_, reinterpret_cast<sockaddr*>(&address), &length);
  port_ = ntohs(address.sin_port);
  context_.log.note("tcp", "listening on 127.0.0.1:" + std::to_string(port_));
  if (hold_connects) {
    // A queue of length 0 takes one connection; once it is there, further connects
    // get no answer.
    queue_filler_fd_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (queue_filler_fd_ < 0 ||
        connect(queue_filler_fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
      error = std::string("cannot fill the listening queue: ") + std::strerror(errno);
      return false;
    }
    context_.log.note("tcp", "holding every connect pending");
    return true;
  }
  acceptor_ = std::thread([this] { accept_loop(); });
  return true;
}

void TcpListener::accept_loop() {
  int next_number = 1;
  while (!stop_requested()) {
    pollfd fds[2] = {{listen_fd_, POLLIN, 0}, {stop_wake_fd(), POLLIN, 0}};
    if (poll(fds, 2, -1) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    if (fds[1].revents) break;
    const int fd = accept4(listen_fd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) {
      // Out of descriptors: the connection stays queued, so wait a little rather than
      // spin on a listener that keeps polling readable.
      if (errno == EMFILE || errno == ENFILE) poll(&fds[1], 1, 100);
      continue;
    }
    const int number = next_number++;
    std::lock_guard lock(connections_mutex_);
    reap_finished();
    Connection& connection = connections_.emplace_back();
    connection.thread = std::thread([this, fd, number, &connection] { serve(fd, number, connection.done); });
  }
}

void TcpListener::serve(int fd, int number, std::atomic<bool>& done) {
  const std::string channel = "tcp" + std::to_string(number);
  context_.log.note(channel, "connected");
  const SessionEnd end = serve_session(fd, true, channel, number, sign_, context_);
  if (end == SessionEnd::closed_by_fault) shutdown(fd, SHUT_WR);
  close(fd);
  context_.log.note(channel, describe(end));
  done = true;
}

void TcpListener::reap_finished() {
  for (auto c = connections_.begin(); c != connections_.end();) {
    if (c->done) {
      c->thread.join();
      c = connections_.erase(c);
    } else {
      ++c;
    }
  }
}

void TcpListener::join() {
  if (acceptor_.joinable()) acceptor_.join();
  std::lock_guard lock(connections_mutex_);
  for (auto& connection : connections_)
    if (connection.thread.joinable()) connection.thread.join();
  connections_.clear();
  if (queue_filler_fd_ >= 0) {
    close(queue_filler_fd_);
    queue_filler_fd_ = -1;
  }
  if (listen_fd_ >= 0) {
    close(listen_fd_);
    listen_fd_ = -1;
  }
}

}  // namespace kyz::signsim
