// The server link: sign adapters connect to us, up to 96 at a time, and the operator
// picks one of them as the destination of every command.
#include <winsock.h>

#include <string>
#include <vector>

#include "core/links/client_table.h"
#include "core/links/tcp_destination.h"
#include "core/links/win32/tcp_link.h"
#include "core/links/win32/winsock_session.h"
#include "core/settings/configuration.h"
#include "core/ui/message_boxes.h"

namespace kyz {

namespace {

constexpr int listen_backlog = 5;

int stop_listening(SOCKET socket) {
  closesocket(socket);
  link_socket = 0;
  release_winsock();
  return 0;
}

enum class AcceptResult { listed, turned_away, nothing_waiting, failed };

// Takes one waiting connection into the lowest free slot of the client table.
AcceptResult accept_one() {
  const int slot = client_table.lowest_free_slot();
  sockaddr_in from{};
  int from_length = sizeof from;
  SOCKET s = accept(link_socket, reinterpret_cast<sockaddr*>(&from), &from_length);
  if (s == INVALID_SOCKET) {
    // Nothing waits (any more): a notification for a connection already taken.
    if (WSAGetLastError() == WSAEWOULDBLOCK) return AcceptResult::nothing_waiting;
    report_socket_error("WINSOCK.DLLの accept() からのエラー。[%d]");
    return AcceptResult::failed;
  }
  if (slot == 0) {  // the table is full: the 97th adapter is turned away at once
    closesocket(s);
    return AcceptResult::turned_away;
  }
  if (!register_socket_events(s, adapter_socket_events)) {
    closesocket(s);
    return AcceptResult::failed;
  }
  client_table.store(slot, static_cast<SocketHandle>(s), inet_ntoa(from.sin_addr));
  return AcceptResult::listed;
}

}  // namespace

int tcp_listen() {
  if (link_socket != 0) return 1;
  if (!start_winsock()) return 0;
  const std::optional<std::uint16_t> port = tcp_port_from_text(link_config.port_number);

  const SOCKET s = open_link_socket(listening_socket_events);
  if (s == INVALID_SOCKET) return 0;

  sockaddr_in at{};
  at.sin_family = AF_INET;
  at.sin_addr.s_addr = htonl(INADDR_ANY);
  at.sin_port = htons(port.value_or(0));
  // A port text beyond any port, or one that gives port 0 (empty, no digits), is refused
  // like a port that is taken: port 0 would listen where the system picks, and no
  // adapter could find the server there.
  if (!port || *port == 0 || (bind(s, reinterpret_cast<const sockaddr*>(&at), sizeof at) == SOCKET_ERROR &&
                WSAGetLastError() != WSAEWOULDBLOCK)) {
    plain_stop_box("Bindできません");
    return stop_listening(s);
  }
  if (listen(s, listen_backlog) == SOCKET_ERROR) {
    report_socket_error("WINSOCK.DLLの listen() からのエラー。[%d]");
    return stop_listening(s);
  }
  return 1;
}

// One accept notification can stand for several adapters that connected at once, and
// no further notification need follow for the others: every waiting connection is taken
// now, so that none of them waits unlisted.
void accept_client() {
  bool listed = false;
  AcceptResult result;
  do {
    result = accept_one();
    if (result == AcceptResult::listed) listed = true;
  } while (result == AcceptResult::listed || result == AcceptResult::turned_away);
  // Registering the listening socket again asks for a new notification if a connection
  // is waiting by now. Without it, under Wine, a connection that arrived while the others
  // were being taken was at times never announced, and it and every later one waited
  // unlisted.
  if (result == AcceptResult::nothing_waiting) register_socket_events(link_socket, listening_socket_events);
  if (listed) refresh_client_list();
}

void refresh_client_list() {
  if (!link_dialog_events) return;
  std::vector<std::string> addresses;
  for (int slot : client_table.listed_slots()) {
    addresses.emplace_back(client_table.slot(slot).address);
  }
  link_dialog_events->clients_changed(addresses);
  // The chosen slot's address, or its blank once that adapter has gone, so the box
  // never names an adapter that commands can no longer reach.
  const int chosen = link_config.select_number;
  if (chosen >= 1 && chosen <= max_clients) {
    link_dialog_events->destination_shown(client_table.slot(chosen).address);
  }
}

void choose_destination(int row) {
  if (count_clients() == 0) {
    link_config.select_number = -1;
    return;
  }
  const int slot = client_table.slot_for_row(row);
  if (slot == 0) return;  // no row selected, or a row that shows no client
  link_config.select_number = slot;
  if (link_dialog_events) link_dialog_events->destination_shown(client_table.slot(slot).address);
  tcp_connected = 1;
}

void stop_tcp_server() {
  tcp_disconnect_all();
  if (link_dialog_events) {
    link_dialog_events->disconnected();
    link_dialog_events->destination_shown(std::string(16, ' '));
    link_dialog_events->clients_changed({});
  }
  link_config.select_number = -1;
  tcp_connected = 0;
}

}  // namespace kyz
