// What every settings dialog does when it opens and while it is open: it becomes the
// window that TCP answers are posted to, and remembers the active window as the owner
// of the "設定完了" and "読み込み完了" boxes.
//
// What a dialog registered goes with it: when the dialog that registered last is
// destroyed, answers and boxes belong to the program's home window again (kyz424lx's
// main window, kyz424's frame), so that neither is ever handed to a window that no
// longer exists and every reply box still shows. UI thread only.
#pragma once

#include <windows.h>

namespace kyz {

void register_settings_dialog(HWND dialog);

// The window that takes over once the registered dialog is gone, and what the program
// hands back of its own then (may be nullptr).
void set_registration_home(HWND home, void (*handed_back)() = nullptr);

// With a destination client chosen on the TCP server, the dialog's title becomes
// `prefix` followed by that client's address; otherwise the template caption stays.
void set_title_with_destination(HWND dialog, const wchar_t* prefix);

// SOCKET_DATA_MESSAGE: a TCP answer is in the receive buffer; hands it to the reply
// handler. True when `message` was that message.
bool handle_socket_data(UINT message);

// The procedure of a settings dialog: WM_INITDIALOG goes to `initialise` with its
// parameter, WM_COMMAND to `command` (true when handled), and SOCKET_DATA_MESSAGE to the
// reply handler. WM_INITDIALOG returns TRUE: the first control in tab order takes the focus.
template <void (*initialise)(HWND, LPARAM), bool (*command)(HWND, int id, int notification)>
INT_PTR CALLBACK settings_dialog_procedure(HWND dialog, UINT message, WPARAM wparam,
                                           LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      initialise(dialog, lparam);
      return TRUE;
    case WM_COMMAND:
      return command(dialog, LOWORD(wparam), HIWORD(wparam)) ? TRUE : FALSE;
    default:
      return handle_socket_data(message) ? TRUE : FALSE;
  }
}

// Hands WM_INITDIALOG's parameter, the dialog's table entry, to `initialise`.
template <typename Entry, void (*initialise)(HWND, const Entry&)>
void initialise_from_entry(HWND dialog, LPARAM entry) {
  initialise(dialog, *reinterpret_cast<const Entry*>(entry));
}

// The procedure of a table-driven settings dialog: WM_INITDIALOG carries its table entry.
template <typename Entry, void (*initialise)(HWND, const Entry&),
          bool (*command)(HWND, int id, int notification)>
INT_PTR CALLBACK table_dialog_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  return settings_dialog_procedure<initialise_from_entry<Entry, initialise>, command>(
      dialog, message, wparam, lparam);
}

}  // namespace kyz
