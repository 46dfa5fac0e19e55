// TCP to sign adapters with WinSock 2 for kyz424ctl.exe: connections made, adapters
// accepted, and a wait on many sockets at once. Every socket is non-blocking; select
// bounds each wait (its set is made large enough for a whole fleet).
#define FD_SETSIZE 256
#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>

#include "core/links/byte_stream.h"

namespace kyz {
namespace {

constexpr int write_timeout_ms = 3000;
constexpr int listen_backlog = SOMAXCONN;  // a whole fleet may knock at once

// WinSock is started once for the process and left running until it ends.
bool winsock_started() {
  static const bool started = [] {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }();
  return started;
}

std::string socket_error_text(int e) {
  switch (e) {
    case WSAECONNREFUSED: return "refused";
    case WSAETIMEDOUT: return "no answer";
    case WSAECONNRESET: return "the sign closed the connection";
    case WSAEADDRINUSE: return "the port is in use";
    case WSAEACCES: return "access denied";
    default: return "WinSock error " + std::to_string(e);
  }
}

void make_non_blocking(SOCKET s) {
  u_long on = 1;
  ioctlsocket(s, FIONBIO, &on);
}

timeval as_timeval(Millis ms) {
  timeval t;
  t.tv_sec = static_cast<long>(ms / 1000);
  t.tv_usec = static_cast<long>((ms % 1000) * 1000);
  return t;
}

// Waits until `s` can be read (or written); false at the deadline.
bool wait_single(SOCKET s, bool for_write, Millis timeout_ms) {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(s, &set);
  timeval t = as_timeval(timeout_ms);
  return select(0, for_write ? nullptr : &set, for_write ? &set : nullptr, nullptr, &t) > 0;
}

class SocketStream final : public ByteStream {
 public:
  explicit SocketStream(SOCKET s) : socket_(s) {
    make_non_blocking(socket_);
    const BOOL on = TRUE;
    setsockopt(socket_, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&on), sizeof on);
  }
  ~SocketStream() override { closesocket(socket_); }

  bool write_all(std::string_view bytes, std::string& error) override {
    while (!bytes.empty()) {
      const int n = send(socket_, bytes.data(), static_cast<int>(bytes.size()), 0);
      if (n > 0) {
        bytes.remove_prefix(static_cast<std::size_t>(n));
        continue;
      }
      const int e = WSAGetLastError();
      if (n == SOCKET_ERROR && e == WSAEWOULDBLOCK) {
        if (wait_single(socket_, true, write_timeout_ms)) continue;
        error = "the connection does not take the command";
        return false;
      }
      error = e == WSAECONNRESET || e == WSAECONNABORTED ? "the sign closed the connection"
                                                          : "send failed: " + socket_error_text(e);
      return false;
    }
    return true;
  }

  int read_within(char* buffer, std::size_t size, Millis timeout_ms, std::string& error) override {
    if (!wait_single(socket_, false, timeout_ms)) return 0;
    const int n = recv(socket_, buffer, static_cast<int>(size), 0);
    if (n > 0) return n;
    const int e = WSAGetLastError();
    if (n == SOCKET_ERROR && e == WSAEWOULDBLOCK) return 0;
    error = n == 0 || e == WSAECONNRESET || e == WSAECONNABORTED ? std::string("the sign closed the connection")
                                                                 : "receive failed: " + socket_error_text(e);
    return -1;
  }

  std::intptr_t socket_handle() const override { return static_cast<std::intptr_t>(socket_); }

 private:
  SOCKET socket_;
};

bool resolve(const HostPort& target, sockaddr_in& address, std::string& error) {
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (getaddrinfo(target.host.c_str(), nullptr, &hints, &found) != 0 || !found) {
    error = "cannot find host " + target.host;
    return false;
  }
  address = *reinterpret_cast<const sockaddr_in*>(found->ai_addr);
  address.sin_port = htons(target.port);
  freeaddrinfo(found);
  return true;
}

std::string connect_failure(const HostPort& target, int e) {
  return "cannot connect to " + target.host + ":" + std::to_string(target.port) + ": " + socket_error_text(e);
}

}  // namespace

std::vector<Connection> connect_tcp_streams(const std::vector<HostPort>& targets, Millis timeout_ms) {
  std::vector<Connection> results(targets.size());
  if (!winsock_started()) {
    for (Connection& c : results) c.error = "WinSock cannot be started";
    return results;
  }
  std::vector<SOCKET> pending(targets.size(), INVALID_SOCKET);
  for (std::size_t i = 0; i < targets.size(); ++i) {
    sockaddr_in address{};
    if (!resolve(targets[i], address, results[i].error)) continue;
    const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET) {
      results[i].error = "cannot create a socket: " + socket_error_text(WSAGetLastError());
      continue;
    }
    make_non_blocking(s);
    if (connect(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
      results[i].stream = std::make_unique<SocketStream>(s);
    } else if (WSAGetLastError() == WSAEWOULDBLOCK) {
      pending[i] = s;
    } else {
      results[i].error = connect_failure(targets[i], WSAGetLastError());
      closesocket(s);
    }
  }
  const Millis deadline = steady_now_ms() + timeout_ms;
  for (;;) {
    fd_set writable, failed;
    FD_ZERO(&writable);
    FD_ZERO(&failed);
    bool any = false;
    for (SOCKET s : pending) {
      if (s == INVALID_SOCKET) continue;
      FD_SET(s, &writable);
      FD_SET(s, &failed);
      any = true;
    }
    if (!any) break;
    const Millis left = deadline - steady_now_ms();
    if (left <= 0) {
      for (std::size_t i = 0; i < pending.size(); ++i) {
        if (pending[i] == INVALID_SOCKET) continue;
        results[i].error = connect_failure(targets[i], WSAETIMEDOUT);
        closesocket(pending[i]);
        pending[i] = INVALID_SOCKET;
      }
      break;
    }
    timeval t = as_timeval(left);
    if (select(0, nullptr, &writable, &failed, &t) < 0) break;
    for (std::size_t i = 0; i < pending.size(); ++i) {
      const SOCKET s = pending[i];
      if (s == INVALID_SOCKET || !(FD_ISSET(s, &writable) || FD_ISSET(s, &failed))) continue;
      int failure = 0;
      int length = sizeof failure;
      getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&failure), &length);
      if (FD_ISSET(s, &writable) && failure == 0) {
        results[i].stream = std::make_unique<SocketStream>(s);
      } else {
        results[i].error = connect_failure(targets[i], failure != 0 ? failure : WSAECONNREFUSED);
        closesocket(s);
      }
      pending[i] = INVALID_SOCKET;
    }
  }
  return results;
}

namespace {

class SocketListener final : public AdapterListener {
 public:
  explicit SocketListener(SOCKET s) : socket_(s) {}
  ~SocketListener() override { closesocket(socket_); }

  std::vector<Arrival> accept_waiting(Millis timeout_ms) override {
    std::vector<Arrival> arrivals;
    if (!wait_single(socket_, false, timeout_ms)) return arrivals;
    for (;;) {
      sockaddr_in peer{};
      int length = sizeof peer;
      const SOCKET s = accept(socket_, reinterpret_cast<sockaddr*>(&peer), &length);
      if (s == INVALID_SOCKET) {
        if (WSAGetLastError() == WSAECONNRESET) continue;
        break;  // WSAEWOULDBLOCK: none left waiting
      }
      char text[INET_ADDRSTRLEN] = {};
      inet_ntop(AF_INET, &peer.sin_addr, text, sizeof text);
      arrivals.push_back({std::make_unique<SocketStream>(s), text});
    }
    return arrivals;
  }

  std::intptr_t socket_handle() const override { return static_cast<std::intptr_t>(socket_); }

 private:
  SOCKET socket_;
};

}  // namespace

std::unique_ptr<AdapterListener> listen_for_adapters(std::uint16_t port, std::string& error) {
  if (!winsock_started()) {
    error = "WinSock cannot be started";
    return nullptr;
  }
  const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (s == INVALID_SOCKET) {
    error = "cannot create a socket: " + socket_error_text(WSAGetLastError());
    return nullptr;
  }
  make_non_blocking(s);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_ANY);
  address.sin_port = htons(port);
  if (bind(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
      listen(s, listen_backlog) != 0) {
    error = "cannot listen on port " + std::to_string(port) + ": " + socket_error_text(WSAGetLastError());
    closesocket(s);
    return nullptr;
  }
  return std::make_unique<SocketListener>(s);
}

std::vector<std::size_t> wait_for_sockets(const std::vector<std::intptr_t>& sockets, Millis timeout_ms) {
  fd_set readable;
  FD_ZERO(&readable);
  for (std::intptr_t s : sockets) FD_SET(static_cast<SOCKET>(s), &readable);
  std::vector<std::size_t> ready;
  timeval t = as_timeval(timeout_ms);
  if (select(0, &readable, nullptr, nullptr, &t) <= 0) return ready;
  for (std::size_t i = 0; i < sockets.size(); ++i) {
    if (FD_ISSET(static_cast<SOCKET>(sockets[i]), &readable)) ready.push_back(i);
  }
  return ready;
}

}  // namespace kyz
