#include "win32app/main_window.h"

#include "core/settings/configuration.h"
#include "win32app/app_state.h"

namespace kyz {
namespace {

LRESULT CALLBACK main_window_procedure(HWND window, UINT message, WPARAM wparam,
                                       LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      app_running = 1;
      return 0;
    case WM_COMMAND:
      if (LOWORD(wparam) == 150) DestroyWindow(window);  // "ｱﾌﾟﾘｹｰｼｮﾝの終了"
      return 0;
    case WM_DESTROY:
      app_running = 0;
      PostQuitMessage(0);
      return 0;
    default:
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
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  return window;
}

void update_main_window_title(HWND window) {
  SetWindowTextW(window, link_config.client_server == mode_server ? L"KYZ-424 Server Program"
                                                                   : L"KYZ-424 Client Program");
}

}  // namespace kyz
