// Opening a socket of the TCP links: a stream socket whose network events are posted to
// the open TCP/IP dialog.
#include <winsock.h>

#include "core/links/tcp_link.h"
#include "core/links/winsock_session.h"

namespace kyz {

bool register_socket_events(SOCKET socket, long events) {
  // Registering also makes the socket non-blocking.
  if (WSAAsyncSelect(socket, link_dialog, SOCKET_EVENT_MESSAGE, events) == SOCKET_ERROR) {
    report_socket_error("WINSOCK.DLLの WSAAsyncSelect() からのエラー。[%d]");
    return false;
  }
  return true;
}

SOCKET open_link_socket(long events) {
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (s == INVALID_SOCKET) {
    report_socket_error("WINSOCK.DLLが動作していません。[%d]");
    release_winsock();
    return INVALID_SOCKET;
  }
  link_socket = s;
  if (!register_socket_events(s, events)) {
    closesocket(s);
    link_socket = 0;
    release_winsock();
    return INVALID_SOCKET;
  }
  return s;
}

}  // namespace kyz
