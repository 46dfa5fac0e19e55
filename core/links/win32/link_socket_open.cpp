// Opening a socket of the TCP links, and where the network events of the open sockets
// are posted: to the open TCP/IP dialog, or with none open to the program's main window.
#include <winsock.h>

#include "core/links/client_table.h"
#include "core/links/win32/tcp_link.h"
#include "core/links/win32/winsock_session.h"

namespace kyz {

namespace {

long link_socket_events = 0;  // what link_socket was registered for
// The events that go to link_dialog. Without a TCP/IP dialog the answer wait alone reads
// the sockets, so an answer, or the part of one that the wait has not yet taken, stays
// in the socket for it instead of being read and thrown away by a notification.
long watched_events = ~0L;

bool register_watched(SOCKET socket, long events) {
  if (WSAAsyncSelect(socket, link_dialog, SOCKET_EVENT_MESSAGE, events & watched_events) ==
      SOCKET_ERROR) {
    report_socket_error("WINSOCK.DLLの WSAAsyncSelect() からのエラー。[%d]");
    return false;
  }
  return true;
}

// Registers every open socket again for `window`: from then on their events go there.
void watch_links_from(HWND window, long events) {
  link_dialog = window;
  watched_events = events;
  if (link_socket != 0) register_watched(link_socket, link_socket_events);
  for (int slot : client_table.listed_slots()) {
    register_watched(static_cast<SOCKET>(client_table.slot(slot).socket), adapter_socket_events);
  }
}

}  // namespace

bool register_socket_events(SOCKET socket, long events) {
  // Registering also makes the socket non-blocking.
  return register_watched(socket, events);
}

SOCKET open_link_socket(long events) {
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (s == INVALID_SOCKET) {
    report_socket_error("WINSOCK.DLLが動作していません。[%d]");
    release_winsock();
    return INVALID_SOCKET;
  }
  link_socket = s;
  link_socket_events = events;
  if (!register_socket_events(s, events)) {
    closesocket(s);
    link_socket = 0;
    release_winsock();
    return INVALID_SOCKET;
  }
  return s;
}

void watch_links_from_dialog(HWND dialog) { watch_links_from(dialog, ~0L); }

void watch_links_from_window(HWND window) { watch_links_from(window, ~static_cast<long>(FD_READ)); }

}  // namespace kyz
