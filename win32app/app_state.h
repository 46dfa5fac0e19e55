// Process-wide state of kyz424lx's start-up and main loop.
#pragma once

#include <windows.h>

#include <atomic>

namespace kyz {

// 1 from the creation of the main window until exit. Written by the UI thread; the
// serial read thread and the TCP answer wait only read it.
extern std::atomic<int> app_running;

// The instance handle, kept for creating dialogs.
extern HINSTANCE app_instance;

// The main window, owner of every dialog.
extern HWND main_window;

}  // namespace kyz
