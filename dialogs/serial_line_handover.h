// How reply lines from the serial read thread reach the user-interface thread.
//
// The read thread only assembles lines; it posts each complete line to the main window,
// and the main window's procedure runs the serial reply handler on the UI thread. So
// the settings record, which read-back replies overwrite (titles and all) while the
// dialogs and the panel read it, is only ever touched by the UI thread.
#pragma once

#include <windows.h>

#include <string_view>

namespace kyz {

// Carries one reply line; lParam owns a heap copy of it.
inline constexpr UINT SERIAL_LINE_MESSAGE = WM_APP + 1;

// Read thread: posts a copy of `line` (with its CR LF) to `window`. A line that cannot be
// posted (the window is gone at exit) is dropped.
void post_serial_line(HWND window, std::string_view line);

// UI thread, from the window procedure: when `message` is SERIAL_LINE_MESSAGE, runs the
// serial reply handler on its line and returns true. A line that arrives while the
// handler of an earlier one shows its message box waits until that box is closed, so
// the lines are handled one at a time and in order, as they arrived.
bool handle_serial_line(UINT message, LPARAM lparam);

}  // namespace kyz
