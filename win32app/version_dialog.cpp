// "KYZ424LXのﾊﾞｰｼﾞｮﾝ情報": the icon, "KYZ424LX Version 1.30" and OK.
#include "win32app/dialogs.h"

namespace kyz {

INT_PTR CALLBACK version_dialog_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) {
        EndDialog(dialog, LOWORD(wparam));
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace kyz
