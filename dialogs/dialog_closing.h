// Closing the program's dialogs by their buttons.
#pragma once

#include <windows.h>

#include <initializer_list>

namespace kyz {

// When the WM_COMMAND `wparam` comes from one of `buttons`, ends `dialog` with that
// button's id and returns true.
bool end_dialog_by(HWND dialog, WPARAM wparam, std::initializer_list<int> buttons);

// The whole procedure of a dialog that shows its template as it is and only closes, by
// one of `buttons`.
INT_PTR closing_only_dialog(HWND dialog, UINT message, WPARAM wparam,
                            std::initializer_list<int> buttons);

}  // namespace kyz
