// The input method's open state around the dialogs where operators type or pick
// Japanese: the title dialog switches the input method on while it is open and puts the
// state back when it closes; the alarm dialog takes over the state the title dialog last
// saved (closed when the title dialog has not been opened yet).
#pragma once

namespace kyz {

// Remembers the active window's open state, then switches the input method on.
void save_and_open_input_method();
// Remembers the active window's open state, then switches the input method off
// (kyz424's alarm page, where only lists and digits are entered).
void save_and_close_input_method();
// Sets the active window's open state to the state last remembered: the title dialog
// puts back its own on closing, the alarm dialog takes over the title dialog's.
void restore_input_method();

}  // namespace kyz
