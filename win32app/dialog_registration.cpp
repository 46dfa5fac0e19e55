#include "win32app/dialog_registration.h"

#include "core/links/tcp_link.h"
#include "core/protocol/protocol_state.h"
#include "core/protocol/reply_handlers.h"

namespace kyz {

void register_settings_dialog(HWND dialog) {
  current_dialog = dialog;
  // Still the main window at this moment: the dialog is not active before it shows.
  message_box_owner = GetActiveWindow();
}

bool handle_socket_data(UINT message) {
  if (message != SOCKET_DATA_MESSAGE) return false;
  socket_reply_handler();
  return true;
}

}  // namespace kyz
