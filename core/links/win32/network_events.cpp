// The network notifications of both TCP links and the ending of connections.
#include <winsock.h>

#include <cstring>
#include <string>

#include "core/links/client_table.h"
#include "core/links/win32/tcp_link.h"
#include "core/links/win32/winsock_session.h"
#include "core/protocol/protocol_state.h"
#include "core/protocol/reply_handlers.h"
#include "core/settings/configuration.h"
#include "core/ui/message_boxes.h"

namespace kyz {

namespace {

// Bytes that arrive while a TCP/IP dialog is open. An answer wait may already have taken
// them (the notification was queued before it), so "nothing there" is quiet, and an
// answer already handed to a settings dialog is never overwritten by an empty read.
void read_notification(SOCKET socket) {
  char bytes[receive_buffer_size];
  const int n = recv(socket, bytes, static_cast<int>(sizeof bytes), 0);
  if (n <= 0) return;
  std::memset(receive_buffer, 0, sizeof receive_buffer);
  std::memcpy(receive_buffer, bytes, static_cast<std::size_t>(n));
  received_length = n;
  PostMessageW(link_dialog, SOCKET_DATA_MESSAGE,
               static_cast<WPARAM>(client_table.slot_of(socket)), 0);
}

// The link's state is settled before any box: the box runs a message loop, and a close
// notification handled inside it must be the last word, not be undone when it returns.
void connect_notification(SOCKET socket, int error) {
  // The outcome of a socket that a later "接続" has already replaced.
  if (socket != link_socket) return;
  if (error != 0) {
    // The adapter refused or did not answer: no link, and the next "接続" starts afresh.
    shut_and_close(socket);
    link_socket = 0;
    release_winsock();
    tcp_connected = 0;
    plain_stop_box("接続できません");
    return;
  }
  tcp_connected = 1;
  if (link_dialog_events) link_dialog_events->connected();
  success_box("Socket 接続 OK");
}

// A socket that no longer belongs to a link: a notification posted before it was closed.
bool stale(SOCKET socket) {
  return socket != link_socket && client_table.slot_of(static_cast<SocketHandle>(socket)) == 0;
}

}  // namespace

void handle_network_event(SOCKET socket, LPARAM event_word) {
  const int event = WSAGETSELECTEVENT(event_word);
  // Closing a handle again could close whatever socket the system has handed it to since.
  if (event == FD_CLOSE && stale(socket)) return;
  switch (event) {
    case FD_READ:
      read_notification(socket);
      break;
    case FD_WRITE:
      break;
    case FD_ACCEPT:
      accept_client();
      break;
    case FD_CONNECT:
      connect_notification(socket, WSAGETSELECTERROR(event_word));
      break;
    case FD_CLOSE:
      // A listening socket never closes from the far end: link_socket closing is the
      // client's connection, and nothing can be sent on it any more.
      if (socket == link_socket) {
        end_closed_client_link();
      } else {
        close_link_socket(socket);
      }
      break;
    default: {
      std::string text = "ﾈｯﾄﾜｰｸ･ｴﾗｰ(event " + std::to_string(event) + ")";
      plain_box(text);
      break;
    }
  }
}

void close_link_socket(SOCKET socket) {
  shut_and_close(socket);
  // The handle is closed: forget it, so that no later send or close reaches a handle
  // the system may already have given to another socket.
  if (socket == link_socket) link_socket = 0;
  client_table.release(client_table.slot_of(socket));
  refresh_client_list();
}

void tcp_disconnect_all() {
  if (link_socket != 0) {
    shut_and_close(link_socket);
    link_socket = 0;
  }
  for (int slot = 1; slot <= max_clients; ++slot) {
    if (client_table.holds_client(slot)) {
      close_link_socket(static_cast<SOCKET>(client_table.slot(slot).socket));
    }
  }
  release_winsock();
  reset_client_table();
  // A reply cut off with its connection can never be completed; left pending, it would
  // be glued to the first answer of the next connection.
  clear_reply_accumulator();
}

}  // namespace kyz
