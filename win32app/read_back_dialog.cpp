// "設定項目の読み込み", reached from the menu and by the maintenance shortcut. The
// timed read-back itself is not wired yet: the dialog shows its notice and closes.
#include "win32app/dialog_closing.h"
#include "win32app/dialogs.h"

namespace kyz {

INT_PTR CALLBACK read_back_dialog_procedure(HWND dialog, UINT message, WPARAM wparam,
                                            LPARAM) {
  return closing_only_dialog(dialog, message, wparam, {IDCANCEL});
}

}  // namespace kyz
