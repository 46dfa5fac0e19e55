// The send loop on a WinSock socket: a would-block counts as a full queue, waited out a
// millisecond at a time. The texts are at most a few hundred bytes, so the wait hardly
// ever happens; when it does, it lasts about a second at most.
#pragma once

#include <winsock.h>

#include <string_view>

#include "core/links/send_all.h"

namespace kyz {

inline bool send_all_on_socket(SOCKET socket, std::string_view text) {
  return send_all(
      text,
      [socket](std::string_view rest) {
        const int n = ::send(socket, rest.data(), static_cast<int>(rest.size()), 0);
        if (n != SOCKET_ERROR) return n;
        return WSAGetLastError() == WSAEWOULDBLOCK ? 0 : send_failure;
      },
      [] { ::Sleep(1); });
}

}  // namespace kyz
