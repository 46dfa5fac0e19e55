#include "dialogs/dpi_scaling.h"

namespace kyz {
namespace {

// Functions of Windows 10 version 1607 and later, looked up at run time so that the
// programs still start on older Windows.
using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

template <typename Function>
Function user32_function(const char* name) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
                : nullptr;
}

UINT screen_dpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : layout_dpi;
}

// How far the frame of a window of `style` with a menu bar reaches beyond its client
// area on each side, at `dpi`.
RECT frame_margins(DWORD style, UINT dpi) {
  RECT r{0, 0, 0, 0};
  static const auto for_dpi = user32_function<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
  if (for_dpi) {
    for_dpi(&r, style, TRUE, 0, dpi);
    return {-r.left, -r.top, r.right, r.bottom};
  }
  // Only the screen's own metrics are at hand: take them as scaled from 96 DPI.
  AdjustWindowRectEx(&r, style, TRUE, 0);
  const UINT screen = screen_dpi();
  return {MulDiv(-r.left, dpi, screen), MulDiv(-r.top, dpi, screen), MulDiv(r.right, dpi, screen),
          MulDiv(r.bottom, dpi, screen)};
}

}  // namespace

UINT window_dpi(HWND window) {
  static const auto for_window = user32_function<GetDpiForWindowFunction>("GetDpiForWindow");
  if (for_window && window) {
    if (const UINT dpi = for_window(window)) return dpi;
  }
  return screen_dpi();
}

SIZE layout_client_size(SIZE frame, DWORD style) {
  const RECT m = frame_margins(style, layout_dpi);
  return {frame.cx - m.left - m.right, frame.cy - m.top - m.bottom};
}

void scale_frame_to_dpi(HWND window) {
  const UINT dpi = window_dpi(window);
  if (dpi == layout_dpi) return;
  RECT outer{};
  GetWindowRect(window, &outer);
  const SIZE layout = layout_client_size({outer.right - outer.left, outer.bottom - outer.top},
                                         static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)));
  const SIZE wanted{scaled(layout.cx, dpi), scaled(layout.cy, dpi)};
  // The menu bar takes the height it needs at the new width, which may differ from what
  // the frame's metrics foretell (a bar that no longer wraps, a taller font): measure
  // the client area and correct until it is right.
  for (int attempt = 0; attempt < 3; ++attempt) {
    RECT client{};
    GetClientRect(window, &client);
    GetWindowRect(window, &outer);
    const int dx = wanted.cx - client.right, dy = wanted.cy - client.bottom;
    if (dx == 0 && dy == 0) return;
    SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left + dx, outer.bottom - outer.top + dy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

}  // namespace kyz
