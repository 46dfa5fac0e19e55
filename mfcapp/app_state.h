// Process-wide values of kyz424 beside the settings record and the link configuration.
#pragma once

#include <atomic>

namespace kyz::mfc {

// 1 from the frame's construction until exit; the serial read thread runs while it is 1.
// Written by the UI thread, read by the read thread.
extern std::atomic<int> app_running;

// A data file has been opened or saved (the Save command needs one). UI thread.
extern int file_opened;

// The frame window (an HWND) once it exists: the serial read thread posts each reply
// line to it. Written by the UI thread, read by the read thread.
extern std::atomic<void*> serial_line_window;

// 1 on Windows versions whose major version number is above 5: the TCP/IP dialog
// refuses to open there. Set when the frame is created.
extern int os_too_new;

}  // namespace kyz::mfc
