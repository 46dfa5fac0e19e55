#include "dialogs/dialog_registration.h"

#include <commctrl.h>

#include <string>

#include "core/links/client_table.h"
#include "core/links/win32/tcp_link.h"
#include "core/protocol/protocol_state.h"
#include "core/protocol/reply_handlers.h"
#include "core/settings/configuration.h"

namespace kyz {

namespace {

HWND home_window = nullptr;
void (*home_handed_back)() = nullptr;
HWND registered_dialog = nullptr;  // the dialog that registered last, while it exists

constexpr UINT_PTR registration_watch = 1;

// Watches a registered dialog for its end, whatever ends it.
LRESULT CALLBACK watch_registered(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                  UINT_PTR, DWORD_PTR) {
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, watch_registered, registration_watch);
    if (window == registered_dialog) {
      registered_dialog = nullptr;
      current_dialog = home_window;
      message_box_owner = home_window;
      if (home_handed_back) home_handed_back();
    }
  }
  return DefSubclassProc(window, message, wparam, lparam);
}

}  // namespace

void set_registration_home(HWND home, void (*handed_back)()) {
  home_window = home;
  home_handed_back = handed_back;
  if (registered_dialog == nullptr) {
    current_dialog = home;
    message_box_owner = home;
  }
}

void register_settings_dialog(HWND dialog) {
  current_dialog = dialog;
  // Still the main window at this moment: the dialog is not active before it shows. A
  // sheet's page finds the sheet, which goes with its pages.
  message_box_owner = GetActiveWindow();
  registered_dialog = dialog;
  SetWindowSubclass(dialog, watch_registered, registration_watch, 0);
}

// In client mode select_number is the chosen host of the host list, not a client slot,
// so the template caption stays.
void set_title_with_destination(HWND dialog, const wchar_t* prefix) {
  const int slot = link_config.select_number;
  if (link_config.client_server != mode_server || slot == -1) return;
  std::wstring title = prefix;
  if (slot >= 0 && slot < client_slot_count) {
    for (const char* c = client_table.slot(slot).address; *c; ++c) title += wchar_t(*c);
  }
  SetWindowTextW(dialog, title.c_str());
}

bool handle_socket_data(UINT message) {
  if (message != SOCKET_DATA_MESSAGE) return false;
  socket_reply_handler();
  return true;
}

}  // namespace kyz
