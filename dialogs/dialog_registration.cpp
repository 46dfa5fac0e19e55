#include "dialogs/dialog_registration.h"

#include <string>

#include "core/links/client_table.h"
#include "core/links/win32/tcp_link.h"
#include "core/protocol/protocol_state.h"
#include "core/protocol/reply_handlers.h"
#include "core/settings/configuration.h"

namespace kyz {

void register_settings_dialog(HWND dialog) {
  current_dialog = dialog;
  // Still the main window at this moment: the dialog is not active before it shows.
  message_box_owner = GetActiveWindow();
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
