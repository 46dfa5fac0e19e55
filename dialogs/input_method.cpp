#include "dialogs/input_method.h"

#include <windows.h>
#include <imm.h>

namespace kyz {
namespace {

// UI thread only.
BOOL saved_open_state = FALSE;

BOOL get_open_state() {
  HWND window = GetActiveWindow();
  HIMC context = ImmGetContext(window);
  if (!context) return FALSE;
  const BOOL open = ImmGetOpenStatus(context);
  ImmReleaseContext(window, context);
  return open;
}

void set_open_state(BOOL open) {
  HWND window = GetActiveWindow();
  HIMC context = ImmGetContext(window);
  if (!context) return;  // no input method for this window: nothing to switch
  ImmSetOpenStatus(context, open);
  ImmReleaseContext(window, context);
}

}  // namespace

void save_and_open_input_method() {
  saved_open_state = get_open_state();
  set_open_state(TRUE);
}

void save_and_close_input_method() {
  saved_open_state = get_open_state();
  set_open_state(FALSE);
}

void restore_input_method() { set_open_state(saved_open_state); }

}  // namespace kyz
