#include "mfcapp/client_socket.h"

#include "core/links/win32/serial_link.h"
#include "core/links/win32/socket_send_all.h"
#include "core/links/tcp_destination.h"
#include "core/protocol/link_seam.h"
#include "core/protocol/protocol_state.h"
#include "core/protocol/reply_handlers.h"
#include "core/settings/configuration.h"
#include "core/ui/message_boxes.h"
#include "mfcapp/kyz424_resource_ids.h"

namespace kyz::mfc {

ClientSocket client_socket;

namespace {

class MfcCommandLinks final : public CommandLinks {
 public:
  void serial_write(std::string_view command) override { ::kyz::serial_write(command); }
  void socket_send(std::string_view command) override { client_socket.SendCommand(command); }
  bool tcp_connected() const override { return client_socket.connected(); }
};

}  // namespace

void install_command_links() {
  static MfcCommandLinks links;
  set_command_links(&links);
}

void ClientSocket::ConnectToSelectedHost() {
  // A socket left from an earlier attempt is replaced rather than leaked.
  EndConnection();
  // An address outside the host list or a port text beyond any port cannot connect.
  const auto host = selected_host_address(link_config);
  const auto port = tcp_port_from_text(link_config.port_number);
  if (!Create() || !host || !port) {
    EndConnection();
    error_box("Socket 接続");
    return;
  }
  clear_reply_accumulator();
  // The outcome comes as the connect notification, unless the connect fails at once: then
  // none comes, and the failure is told here.
  if (!Connect(*host, *port) && WSAGetLastError() != WSAEWOULDBLOCK) {
    EndConnection();
    error_box("Socket 接続");
  }
}

void ClientSocket::Disconnect() {
  EndConnection();
  success_box("Socket 切断 OK");
}

void ClientSocket::SendCommand(std::string_view text) {
  const std::string_view wire = text.substr(0, text.find('\0'));
  if (!send_all_on_socket(m_hSocket, wire)) {
    send_failed = 1;
    // A connection that failed under a send carries nothing more: it ends before the box.
    // One whose queue stayed full is still there, and left to the sign.
    if (WSAGetLastError() != WSAEWOULDBLOCK) EndConnection();
    error_box("Socket 送信");
  }
}

void ClientSocket::OnReceive(int error) {
  if (error != 0) {
    error_box("Socket 送信");
    return;
  }
  char chunk[mfc_receive_chunk + 1] = {};
  const int n = Receive(chunk, mfc_receive_chunk);
  if (n == SOCKET_ERROR && WSAGetLastError() == WSAEWOULDBLOCK) return;
  // The TCP/IP dialog has no reply handler: what arrives while it is the receiver is
  // read and dropped, so that later answers are still notified.
  if (kind_ == receiver_tcp_dialog) return;
  socket_reply_handler(chunk, n);
}

void ClientSocket::OnConnect(int error) {
  if (error != 0) {
    // Nothing to keep from a refused connection; the next "接続" starts afresh.
    EndConnection();
    error_box("Socket 接続");
    return;
  }
  // Recorded before the box: a close that arrives while the box is open is handled
  // inside it, and stays handled when the box returns.
  ShowConnected(true);
  success_box("Socket 接続 OK");
}

void ClientSocket::OnClose(int error) {
  // A connection that broke off leaves no socket that only fails sends either.
  EndConnection();
  if (error != 0) {
    error_box("Socket 切断");
  } else {
    success_box("Socket 切断 OK");
  }
}

void ClientSocket::EndConnection() {
  Close();
  ShowConnected(false);
}

void ClientSocket::ShowConnected(bool connected) {
  connected_ = connected ? 1 : 0;
  if (!owner_ || !IsWindow(owner_)) return;
  EnableWindow(GetDlgItem(owner_, IDC_CONNECT), !connected);
  EnableWindow(GetDlgItem(owner_, IDC_DISCONNECT), connected);
}

}  // namespace kyz::mfc
