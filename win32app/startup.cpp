// Entry of kyz424lx: one instance only, the main window, the settings and the link
// configuration, then the message loop.
#include <windows.h>

#include "core/settings/configuration.h"
#include "core/settings/settings_record.h"
#include "core/ui/message_boxes.h"
#include "core/ui/windows_message_boxes.h"
#include "win32app/main_window.h"

namespace {

kyz::WindowsMessageBoxes message_boxes;
HANDLE instance_mutex = nullptr;  // held until the process ends

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  kyz::edition = kyz::Edition::lx;
  kyz::set_message_box_sink(&message_boxes);

  HANDLE existing = OpenMutexW(SYNCHRONIZE, FALSE, L"TCP_X_Mutex");
  if (existing) {
    CloseHandle(existing);
    kyz::plain_box("２重に起動はできません");
    return 0;
  }
  instance_mutex = CreateMutexW(nullptr, FALSE, L"TCP_X_Mutex");

  if (!kyz::register_main_window_class(instance)) return 0;
  HWND window = kyz::create_main_window(instance);
  if (!window) return 0;

  kyz::reset_settings();
  kyz::load_configuration();
  kyz::update_main_window_title(window);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
