// kyz424lx's TCP/IP dialogs as the TCP links see them: what the links report is shown
// in the dialog's own buttons, lists and boxes.
#pragma once

#include <windows.h>

#include "core/links/link_dialog_events.h"

namespace kyz {

// The controls of one TCP/IP dialog; 0 for a control the dialog does not have.
struct TcpDialogIds {
  int connect;
  int disconnect;
  int port_box;
  int client_list;
  int destination_box;
};

class TcpDialogControls final : public LinkDialogEvents {
 public:
  explicit TcpDialogControls(const TcpDialogIds& ids) : ids_(ids) {}

  // The dialog opened: network notifications and link reports go to it.
  void attach(HWND dialog);
  // The dialog is closing: nothing more is shown in it, and the main window takes the
  // network notifications.
  void detach();

  void connected() override;
  void disconnected() override;
  void clients_changed(const std::vector<std::string>& addresses) override;
  void destination_shown(std::string_view address) override;

 private:
  void enable(int id, bool on) const;

  TcpDialogIds ids_;
  HWND dialog_ = nullptr;
};

}  // namespace kyz
