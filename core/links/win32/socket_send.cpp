// Sending a command over TCP and waiting for its answer on the user-interface thread.
#include <winsock.h>

#include <cstring>

#include "core/links/client_table.h"
#include "core/links/win32/socket_send_all.h"
#include "core/links/win32/tcp_link.h"
#include "core/links/win32/winsock_session.h"
#include "core/protocol/protocol_state.h"
#include "core/protocol/reply_handlers.h"
#include "core/settings/configuration.h"
#include "core/ui/message_boxes.h"

namespace kyz {

namespace {

// The socket the command goes to: the client socket, or in server mode the adapter in
// slot select_number. 0 when there is none (no client there, or the socket was closed).
SOCKET destination_socket() {
  if (link_config.client_server == mode_server) {
    const int slot = link_config.select_number;
    return client_table.holds_client(slot) ? static_cast<SOCKET>(client_table.slot(slot).socket)
                                           : 0;
  }
  return link_socket;
}

// A client connection that failed under a send or a receive can carry nothing more: it
// ends as if the sign had closed it, before the failure's box is shown, so that the
// dialog, tcp_connected and the next send agree whatever the box's message loop brings.
// An adapter of the server is left to its own close notification.
void end_broken_client_link(SOCKET socket) {
  if (socket == link_socket && link_config.client_server != mode_server) end_closed_client_link();
}

// A read that fills the whole buffer without an LF belongs to a line longer than any
// reply (the longest, a title, has 398 bytes; the reply handler keeps at most 1024).
bool overlong_piece(int received) {
  return received == static_cast<int>(receive_buffer_size) &&
         std::memchr(receive_buffer, '\n', receive_buffer_size) == nullptr;
}

// Receives the answer into receive_buffer; a closed connection is an (empty) answer.
//
// A sign that floods the line would otherwise leave its garbage queued on the socket,
// to be handed to the next commands 1024 bytes at a time instead of their answers. So
// an overlong line is read on and dropped up to and including its LF, together with the
// part of it the reply handler holds, and counts as a reply that matches nothing (it
// clears device_error). What follows its LF is the answer. When the dropped line began
// before this command was sent, this command's answer is still to come and the wait
// goes on; otherwise the line was this command's answer and nothing is delivered.
void wait_for_answer(SOCKET socket) {
  std::memset(receive_buffer, 0, sizeof receive_buffer);
  // A reply left unfinished by another connection (another adapter, or one that closed
  // in the middle of an answer) cannot go on in this one.
  if (socket != answering_socket) clear_reply_accumulator();
  answering_socket = socket;
  bool line_began_earlier = reply_pending == 1;
  bool dropping = false;
  int result = SOCKET_ERROR;
  long attempts = 0;
  while (link_running()) {
    result = recv(socket, receive_buffer, static_cast<int>(receive_buffer_size), 0);
    if (result > 0 && (dropping || overlong_piece(result))) {
      if (!dropping) {
        dropping = true;
        clear_reply_accumulator();
        device_error = 0;
      }
      const auto* lf = static_cast<const char*>(
          std::memchr(receive_buffer, '\n', static_cast<std::size_t>(result)));
      if (lf == nullptr) {
        if (++attempts > answer_attempt_limit) {  // a sign that never stops
          send_failed = 1;
          warning_box("Answer が､きません");
          result = SOCKET_ERROR;
          break;
        }
        continue;
      }
      dropping = false;
      const auto rest = static_cast<int>(receive_buffer + result - (lf + 1));
      std::memmove(receive_buffer, lf + 1, static_cast<std::size_t>(rest));
      std::memset(receive_buffer + rest, 0, sizeof receive_buffer - static_cast<std::size_t>(rest));
      result = rest;
      if (rest == 0) {
        if (!line_began_earlier) break;
        line_began_earlier = false;
        continue;
      }
    }
    if (result >= 0) {
      PostMessageW(current_dialog, SOCKET_DATA_MESSAGE,
                   static_cast<WPARAM>(link_config.select_number), 0);
      break;
    }
    // Only "nothing yet" is worth waiting for; a broken connection never answers.
    const int error = WSAGetLastError();
    if (error != WSAEWOULDBLOCK || ++attempts > answer_attempt_limit) {
      send_failed = 1;
      if (error != WSAEWOULDBLOCK) end_broken_client_link(socket);
      warning_box("Answer が､きません");
      break;
    }
  }
  received_length = result;
}

}  // namespace

void socket_send(std::string_view text) {
  if (tcp_connected != 1) {
    send_failed = 1;
    warning_box("Socket が接続されていません");
    return;
  }
  const std::string_view wire = text.substr(0, text.find('\0'));
  const SOCKET socket = destination_socket();
  if (socket == 0 || !send_all_on_socket(socket, wire)) {
    send_failed = 1;
    if (socket != 0 && WSAGetLastError() != WSAEWOULDBLOCK) end_broken_client_link(socket);
    warning_box("Socket 送信");
    return;
  }
  wait_for_answer(socket);
}

}  // namespace kyz
