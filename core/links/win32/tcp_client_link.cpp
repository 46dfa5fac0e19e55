// The client link: one stream socket to the sign's network adapter.
#include <winsock.h>

#include "core/links/tcp_destination.h"
#include "core/links/win32/tcp_link.h"
#include "core/links/win32/winsock_session.h"
#include "core/settings/configuration.h"
#include "core/ui/message_boxes.h"

namespace kyz {

namespace {

// A connect that never got going: nothing stays open behind it, and nothing is left for
// a notification handled while the box is open to find.
int give_up_connect(SOCKET socket) {
  shut_and_close(socket);
  link_socket = 0;
  release_winsock();
  plain_stop_box("接続できません");
  return 0;
}

}  // namespace

int tcp_connect() {
  if (!start_winsock()) return 0;
  // A connect while an earlier socket is still open replaces it instead of leaking it.
  if (link_socket != 0) {
    shut_and_close(link_socket);
    link_socket = 0;
  }

  const std::optional<std::uint16_t> port = tcp_port_from_text(link_config.port_number);

  // The socket is non-blocking: the outcome of the connect arrives as a notification.
  const SOCKET s = open_link_socket(client_socket_events);
  if (s == INVALID_SOCKET) return 0;

  // A selection that names no host, or a port text beyond any port, cannot connect.
  const std::optional<std::string> host = selected_host_address(link_config);
  if (!host || !port) return give_up_connect(s);

  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_port = htons(*port);
  to.sin_addr.s_addr = inet_addr(host->c_str());
  if (connect(s, reinterpret_cast<const sockaddr*>(&to), sizeof to) == SOCKET_ERROR &&
      WSAGetLastError() != WSAEWOULDBLOCK) {
    return give_up_connect(s);
  }
  return 1;
}

// Left connected, every later "設定" would go into a dead socket and show nothing, and
// the program would refuse to exit until "切断".
void end_closed_client_link() {
  tcp_disconnect_all();
  tcp_connected = 0;
  if (link_dialog_events) link_dialog_events->disconnected();
}

void disconnect_tcp_client() {
  if (tcp_connected != 1) return;
  end_closed_client_link();
  success_box("Socket 切断 OK");
}

}  // namespace kyz
