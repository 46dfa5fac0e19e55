// Both programs are laid out for a 96-DPI screen and draw themselves larger on a screen
// set to a larger scale (120 DPI at 125 %, 144 at 150 %, 192 at 200 %). They scale to
// the DPI they start with; the manifests say so (system DPI awareness), and Windows
// stretches their windows on a second screen of another scale.
#pragma once

#include <windows.h>

namespace kyz {

inline constexpr UINT layout_dpi = 96;

// A length of the 96-DPI layout at `dpi`, rounded to the nearest pixel.
inline int scaled(int length, UINT dpi) {
  return MulDiv(length, static_cast<int>(dpi), static_cast<int>(layout_dpi));
}
inline RECT scaled(const RECT& r, UINT dpi) {
  return {scaled(r.left, dpi), scaled(r.top, dpi), scaled(r.right, dpi), scaled(r.bottom, dpi)};
}

// The DPI `window` is shown at: the window's own where the system tells it (Windows 10
// version 1607 and later), otherwise the screen's.
UINT window_dpi(HWND window);

// The client area of a frame window with a menu bar and `style` whose outer size is
// `frame` on a 96-DPI screen.
SIZE layout_client_size(SIZE frame, DWORD style);

// Called once, right after `window` (a frame with a menu bar) was created with the outer
// size of its 96-DPI layout: at any other DPI its client area becomes the layout's,
// scaled. At 96 DPI the window keeps its size exactly.
void scale_frame_to_dpi(HWND window);

}  // namespace kyz
