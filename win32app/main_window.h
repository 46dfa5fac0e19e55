// The main window of kyz424lx: class "TCP Server", 640 x 200 at the screen's top left,
// showing the front panel; its menu opens the dialogs and carries the file commands.
#pragma once

#include <windows.h>

namespace kyz {

inline constexpr wchar_t main_window_class[] = L"TCP Server";
// The main window's only timer: each tick runs the serial answer watchdog.
inline constexpr UINT_PTR watchdog_timer_id = 3;
inline constexpr UINT watchdog_period_ms = 500;

bool register_main_window_class(HINSTANCE instance);
HWND create_main_window(HINSTANCE instance);
// "KYZ-424 Client Program" or "KYZ-424 Server Program", by client_server.
void update_main_window_title(HWND window);

}  // namespace kyz
