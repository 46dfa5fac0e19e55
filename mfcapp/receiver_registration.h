// kyz424's pages and dialogs register as the receiver of the client socket's data, by
// their kind, and as the open settings window that owns the reply boxes. When the
// window goes, both registrations go back to the frame.
#pragma once

#include <windows.h>

namespace kyz::mfc {

// Called by every page of the sheet and by the TCP/IP, all-items and read-back dialogs
// when they open.
void register_receiver(HWND window, int kind);

// Once the frame exists: it takes over whatever a window that registered leaves behind.
void make_frame_registration_home(HWND frame);

}  // namespace kyz::mfc
