// What every settings dialog does when it opens and while it is open: it becomes the
// window that TCP answers are posted to, and remembers the active window as the owner
// of the "設定完了" and "読み込み完了" boxes.
#pragma once

#include <windows.h>

namespace kyz {

void register_settings_dialog(HWND dialog);

// With a destination client chosen on the TCP server, the dialog's title becomes
// `prefix` followed by that client's address; otherwise the template caption stays.
void set_title_with_destination(HWND dialog, const wchar_t* prefix);

// SOCKET_DATA_MESSAGE: a TCP answer is in the receive buffer; hands it to the reply
// handler. True when `message` was that message.
bool handle_socket_data(UINT message);

// The procedure of a table-driven settings dialog: WM_INITDIALOG carries the dialog's
// table entry to `initialise`, WM_COMMAND goes to `command` (true when handled), and
// SOCKET_DATA_MESSAGE to the reply handler.
template <typename Entry, void (*initialise)(HWND, const Entry&),
          bool (*command)(HWND, int id, int notification)>
INT_PTR CALLBACK table_dialog_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      initialise(dialog, *reinterpret_cast<const Entry*>(lparam));
      return TRUE;
    case WM_COMMAND:
      return command(dialog, LOWORD(wparam), HIWORD(wparam)) ? TRUE : FALSE;
    default:
      return handle_socket_data(message) ? TRUE : FALSE;
  }
}

}  // namespace kyz
