#include "dialogs/dialog_closing.h"

#include <algorithm>

namespace kyz {

bool end_dialog_by(HWND dialog, WPARAM wparam, std::initializer_list<int> buttons) {
  const int id = LOWORD(wparam);
  if (std::find(buttons.begin(), buttons.end(), id) == buttons.end()) return false;
  EndDialog(dialog, id);
  return true;
}

INT_PTR closing_only_dialog(HWND dialog, UINT message, WPARAM wparam,
                            std::initializer_list<int> buttons) {
  switch (message) {
    case WM_INITDIALOG:
      return TRUE;
    case WM_COMMAND:
      return end_dialog_by(dialog, wparam, buttons) ? TRUE : FALSE;
    default:
      return FALSE;
  }
}

}  // namespace kyz
