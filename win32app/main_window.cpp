#include "win32app/main_window.h"

#include "core/links/win32/tcp_link.h"
#include "core/protocol/send_path.h"
#include "core/settings/configuration.h"
#include "core/settings/settings_record.h"
#include "dialogs/corner_clicks.h"
#include "dialogs/dialog_registration.h"
#include "dialogs/dpi_scaling.h"
#include "dialogs/front_panel.h"
#include "dialogs/resource_ids.h"
#include "dialogs/serial_line_handover.h"
#include "win32app/app_state.h"
#include "win32app/menu_commands.h"

namespace kyz {
namespace {

CornerClicks corner_clicks;

void paint(HWND window) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  paint_front_panel(dc, settings.data_file_path, PanelShapes::outlined_in_colour, window_dpi(window));
  EndPaint(window, &ps);
  SetTimer(window, watchdog_timer_id, watchdog_period_ms, nullptr);
}

void context_menu(HWND window, LPARAM position) {
  const auto x = static_cast<std::uint16_t>(LOWORD(position));
  const auto y = static_cast<std::uint16_t>(HIWORD(position));
  if (corner_clicks.record(x, y)) run_menu_command(window, IDM_READ_BACK);
}

LRESULT CALLBACK main_window_procedure(HWND window, UINT message, WPARAM wparam,
                                       LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      app_running = 1;
      return 0;
    case WM_PAINT:
      paint(window);
      return 0;
    case WM_CLOSE:
      exit_routine(window);
      return 0;
    case WM_TIMER:  // whatever the id: the only timer is the watchdog's
      answer_watchdog();
      return 0;
    case WM_MENUSELECT:
      update_link_menu_items(window);
      InvalidateRect(window, nullptr, TRUE);
      return 0;
    // A right click on the frame asks for the context menu when the button comes up, as
    // Windows' default handling does; Wine's would open the system menu instead, and
    // the shortcut's corner lies on the frame while the window sits at (0, 0).
    case WM_NCRBUTTONDOWN:
      return 0;
    case WM_NCRBUTTONUP:
      SendMessageW(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window), lparam);
      return 0;
    case WM_CONTEXTMENU:  // no system menu on the caption: the click is the shortcut's
      context_menu(window, lparam);
      return 0;
    case WM_COMMAND:
      run_menu_command(window, LOWORD(wparam));
      return 0;
    default:
      // The TCP links' notifications while no TCP/IP dialog is open.
      if (message == SOCKET_EVENT_MESSAGE) {
        handle_network_event(static_cast<SOCKET>(wparam), lparam);
        return 0;
      }
      if (handle_serial_line(message, lparam)) return 0;
      // A TCP answer that arrives once no settings dialog is open.
      if (handle_socket_data(message)) return 0;
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

}  // namespace

bool register_main_window_class(HINSTANCE instance) {
  WNDCLASSW wc{};
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = main_window_procedure;
  wc.hInstance = instance;
  wc.hIcon = LoadIconW(instance, L"MYICON");
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszMenuName = L"IDM_MENU";
  wc.lpszClassName = main_window_class;
  return RegisterClassW(&wc) != 0;
}

HWND create_main_window(HINSTANCE instance) {
  HWND window = CreateWindowW(main_window_class, L"KYZ-424 Client Program",
                              WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 640, 200, nullptr, nullptr,
                              instance, nullptr);
  if (!window) return nullptr;
  // Only "Close" stays in the system menu: the six entries before it go.
  HMENU system_menu = GetSystemMenu(window, FALSE);
  for (int i = 0; i < 6; ++i) DeleteMenu(system_menu, 0, MF_BYPOSITION);
  DrawMenuBar(window);
  scale_frame_to_dpi(window);
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  return window;
}

void update_main_window_title(HWND window) {
  SetWindowTextW(window, link_config.client_server == mode_server ? L"KYZ-424 Server Program"
                                                                   : L"KYZ-424 Client Program");
}

}  // namespace kyz
