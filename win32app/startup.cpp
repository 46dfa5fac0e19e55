// Entry of kyz424lx: one instance only, the main window, the settings and the link
// configuration, the serial link's read thread in RS-232C mode, then the message loop.
#include <windows.h>
#include <commctrl.h>

#include <string_view>

#include "core/links/client_table.h"
#include "core/links/win32/serial_link.h"
#include "core/links/win32/tcp_link.h"
#include "core/links/win32/windows_command_links.h"
#include "core/settings/configuration.h"
#include "core/settings/settings_record.h"
#include "core/ui/message_boxes.h"
#include "core/ui/win32/windows_message_boxes.h"
#include "dialogs/dialog_registration.h"
#include "dialogs/serial_line_handover.h"
#include "win32app/app_state.h"
#include "win32app/main_window.h"

namespace {

kyz::WindowsMessageBoxes message_boxes;
HANDLE instance_mutex = nullptr;  // held until the process ends

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  kyz::app_instance = instance;
  kyz::edition = kyz::Edition::lx;
  kyz::set_message_box_sink(&message_boxes);

  // One call both creates the mutex and tells whether another instance has it, so two
  // starts at the same moment cannot both get through. A mutex we may not open (another
  // user's instance) exists as well.
  instance_mutex = CreateMutexW(nullptr, FALSE, L"TCP_X_Mutex");
  if (const DWORD error = GetLastError(); error == ERROR_ALREADY_EXISTS || error == ERROR_ACCESS_DENIED) {
    kyz::plain_box("２重に起動はできません");
    return 0;
  }

  // Common controls of the dialogs: the TCP/IP client dialog's address box and the
  // progress bars of the title dialog and the run dialogs.
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_INTERNET_CLASSES | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);

  kyz::set_link_running_flag(&kyz::app_running);
  kyz::install_windows_command_links();

  if (!kyz::register_main_window_class(instance)) return 0;
  HWND window = kyz::create_main_window(instance);
  if (!window) return 0;
  kyz::main_window = window;
  kyz::set_registration_home(window);

  kyz::reset_client_table();
  kyz::reset_settings();
  kyz::load_configuration();
  kyz::update_main_window_title(window);

  if (kyz::link_config.interface == kyz::interface_serial) {
    kyz::open_serial_port();
    // Reports "error creating read thread" itself; the program goes on without it. The
    // reader hands each line to the main window, whose thread runs the reply handler.
    kyz::start_serial_reader(
        [window](std::string_view line) { kyz::post_serial_line(window, line); },
        kyz::app_running);
  }

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  // app_running is 0 by now: end the read thread and close the port in order rather
  // than leaving them to the end of the process.
  kyz::stop_serial_reader();
  return static_cast<int>(message.wParam);
}
