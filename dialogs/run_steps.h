// The steps of the two runs that are a dialog of their own in both programs: the
// all-items send and the maintenance read-back. Each follows the running program's
// edition: its all-items order, and whether "RTSR" is asked twice over TCP/IP.
#pragma once

#include <windows.h>

namespace kyz {

int all_items_step_count();
// Steps 1..32 send the titles and 34..53 the settings; step 33 sends nothing.
void perform_all_items_step(HWND dialog, int step);

int read_back_step_count();
// Sends the request of step `step`.
void perform_read_back_step(HWND dialog, int step);

}  // namespace kyz
