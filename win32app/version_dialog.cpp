// "KYZ424LXのﾊﾞｰｼﾞｮﾝ情報": the icon, "KYZ424LX Version " with the version, and OK.
#include "dialogs/dialog_closing.h"
#include "win32app/dialogs.h"

namespace kyz {

INT_PTR CALLBACK version_dialog_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
  return closing_only_dialog(dialog, message, wparam, {IDOK, IDCANCEL});
}

}  // namespace kyz
