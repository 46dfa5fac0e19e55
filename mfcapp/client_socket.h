// kyz424's TCP link: one client socket of the framework to the sign's network adapter.
// Commands go out without waiting; each answer arrives as a receive notification and
// goes to the reply handler of the page or dialog that registered last.
//
// The connected flag is the one truth about the link: the send path and the exit ask
// it, and the "接続"/"切断" buttons follow it. Whatever ends the link (the sign, "切断",
// a failed send) clears it before any box is shown, and the connect notification sets
// it before its box, so a close handled while a box is open is never undone when the
// box returns.
//
// UI thread only: the framework calls the notifications from the message loop.
#pragma once

#include <windows.h>

#include <string_view>

#include "framework/framework.h"

namespace kyz::mfc {

// Who registered last as receiver of the socket's data: property pages 1..13 by their
// place in the sheet, the TCP/IP dialog, the all-items and the read-back dialogs.
inline constexpr int receiver_tcp_dialog = 15;
inline constexpr int receiver_all_items = 16;
inline constexpr int receiver_read_back = 17;

class ClientSocket final : public CAsyncSocket {
 public:
  // "接続": a new socket to host select_number at the port text.
  void ConnectToSelectedHost();
  // "切断": closes the socket and reports it, as the adapter's own close does.
  void Disconnect();
  // Sends a command text (up to its NUL), all of it, continuing after a partial send.
  // "Socket 送信" when the send fails; a connection that failed under it has ended.
  void SendCommand(std::string_view text);
  bool connected() const { return connected_ == 1; }

  // The window whose "接続" and "切断" buttons follow the connection, and what kind of
  // receiver it is.
  void Register(HWND owner, int kind) {
    owner_ = owner;
    kind_ = kind;
  }

 protected:
  void OnReceive(int error) override;
  void OnConnect(int error) override;
  void OnClose(int error) override;

 private:
  // Closes the socket and shows the link as not connected.
  void EndConnection();
  void ShowConnected(bool connected);
  int connected_ = 0;
  HWND owner_ = nullptr;
  int kind_ = 0;
};

extern ClientSocket client_socket;

// Puts kyz424's links behind the send path: the serial link and the client socket.
void install_command_links();

}  // namespace kyz::mfc
