#include "win32app/tcp_dialog_controls.h"

#include "core/links/win32/tcp_link.h"
#include "core/settings/configuration.h"
#include "core/ui/win32/text_encoding.h"
#include "win32app/app_state.h"

namespace kyz {

namespace {
constexpr WPARAM port_text_limit = 5;
}  // namespace

void TcpDialogControls::attach(HWND dialog) {
  dialog_ = dialog;
  watch_links_from_dialog(dialog);
  link_dialog_events = this;
}

void TcpDialogControls::detach() {
  if (link_dialog_events == this) link_dialog_events = nullptr;
  dialog_ = nullptr;
  watch_links_from_window(main_window);
}

void TcpDialogControls::enable(int id, bool on) const {
  if (dialog_ && id != 0) EnableWindow(GetDlgItem(dialog_, id), on ? TRUE : FALSE);
}

void TcpDialogControls::connected() {
  enable(ids_.connect, false);
  enable(ids_.disconnect, true);
}

// The port box is free again too: the server held it locked while adapters were
// connected, and a stopped server may be started on another port.
void TcpDialogControls::disconnected() {
  enable(ids_.connect, true);
  enable(ids_.disconnect, false);
  enable(ids_.port_box, true);
}

// While adapters are connected the server cannot be started again nor its port changed;
// with none left there is nothing to disconnect from the list.
void TcpDialogControls::clients_changed(const std::vector<std::string>& addresses) {
  if (!dialog_ || ids_.client_list == 0) return;
  if (!addresses.empty()) {
    enable(ids_.connect, false);
    enable(ids_.port_box, false);
  } else {
    enable(ids_.disconnect, false);
  }
  HWND list = GetDlgItem(dialog_, ids_.client_list);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const std::string& address : addresses) {
    const std::wstring row = utf8_to_wide(address);
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
  }
  SendDlgItemMessageW(dialog_, ids_.port_box, EM_LIMITTEXT, port_text_limit, 0);
  SetDlgItemTextW(dialog_, ids_.port_box, utf8_to_wide(link_config.port_number).c_str());
}

void TcpDialogControls::destination_shown(std::string_view address) {
  if (!dialog_ || ids_.destination_box == 0) return;
  SetDlgItemTextW(dialog_, ids_.destination_box, utf8_to_wide(address).c_str());
}

}  // namespace kyz
