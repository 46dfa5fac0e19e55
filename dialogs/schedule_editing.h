// The parts of the schedule dialog that kyz424's schedule page shares: filling the day,
// hour and page lists (numbers zero-padded to `digits`, 0 for plain) and showing the day
// last shown, and the lists' and buttons' commands (true when `id` was one of them).
#pragma once

#include <windows.h>

namespace kyz {

void initialise_schedule(HWND dialog, int digits);
bool schedule_command(HWND dialog, int id, int notification);

// The schedule dialog of kyz424lx, built on the two above.
extern const DLGPROC schedule_dialog_procedure;

}  // namespace kyz
