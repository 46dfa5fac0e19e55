// Sending a command over TCP and waiting for its answer on the user-interface thread.
#include <winsock.h>

#include <cstring>

#include "core/links/client_table.h"
#include "core/links/tcp_link.h"
#include "core/links/winsock_session.h"
#include "core/protocol/protocol_state.h"
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

// Sends all of `text`, continuing after a partial send. A full send queue is waited out
// briefly; the texts are at most a few hundred bytes, so it does not happen in practice.
bool send_all(SOCKET socket, std::string_view text) {
  constexpr int busy_retries = 1000;
  int busy = 0;
  while (!text.empty()) {
    const int n = send(socket, text.data(), static_cast<int>(text.size()), 0);
    if (n == SOCKET_ERROR) {
      if (WSAGetLastError() != WSAEWOULDBLOCK || ++busy > busy_retries) return false;
      Sleep(1);
      continue;
    }
    text.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Receives the answer into receive_buffer; a closed connection is an (empty) answer.
void wait_for_answer(SOCKET socket) {
  std::memset(receive_buffer, 0, sizeof receive_buffer);
  int result = SOCKET_ERROR;
  long attempts = 0;
  while (link_running()) {
    result = recv(socket, receive_buffer, static_cast<int>(receive_buffer_size), 0);
    if (result >= 0) {
      PostMessageW(current_dialog, SOCKET_DATA_MESSAGE,
                   static_cast<WPARAM>(link_config.select_number), 0);
      break;
    }
    // Only "nothing yet" is worth waiting for; a broken connection never answers.
    if (WSAGetLastError() != WSAEWOULDBLOCK || ++attempts > answer_attempt_limit) {
      warning_box("Answer が､きません");
      break;
    }
  }
  received_length = result;
}

}  // namespace

void socket_send(std::string_view text) {
  if (tcp_connected != 1) {
    warning_box("Socket が接続されていません");
    return;
  }
  const std::string_view wire = text.substr(0, text.find('\0'));
  const SOCKET socket = destination_socket();
  if (socket == 0 || !send_all(socket, wire)) {
    warning_box("Socket 送信");
    return;
  }
  wait_for_answer(socket);
}

}  // namespace kyz
