#include "mfcapp/receiver_registration.h"

#include "dialogs/dialog_registration.h"
#include "mfcapp/client_socket.h"

namespace kyz::mfc {

void register_receiver(HWND window, int kind) {
  client_socket.Register(window, kind);
  register_settings_dialog(window);
}

// With no page or dialog open, the socket's data goes to the reply handler (kind 0 is
// none of the receivers that drop it) and no window's buttons follow the connection.
void make_frame_registration_home(HWND frame) {
  set_registration_home(frame, [] { client_socket.Register(nullptr, 0); });
}

}  // namespace kyz::mfc
