// "情報（タイトル）の設定": the text of each page, edited in one multi-line box and sent
// for the selected page, stored in the sign ("設定") or only shown ("Not memory"), or
// for all 32 pages, stored, as a timed run ("全Page設定").
// Every notification of the edit box stores its text into the record at once, so the
// record always holds what the operator sees.
#include <windows.h>

#include "dialogs/dialog_registration.h"
#include "dialogs/input_method.h"
#include "dialogs/timed_run.h"
#include "dialogs/title_dialog_table.h"
#include "dialogs/title_editing.h"
#include "win32app/dialogs.h"

namespace kyz {
namespace {

// The page list comes first in the template's tab order and takes the focus: focusing
// the edit box counts as an edit, and merely opening the dialog marks nothing changed.
void initialise(HWND dialog, LPARAM) { initialise_title(dialog, title_dialog()); }

bool handle_command(HWND dialog, int id, int notification) {
  if (id != IDCANCEL) return title_command(dialog, title_dialog(), id, notification);
  if (!timed_run_allows_close(dialog)) return true;
  store_title_text(dialog);
  restore_input_method();
  EndDialog(dialog, IDCANCEL);
  return true;
}

// The settings dialog's procedure, with the run's timer and its end with the dialog.
INT_PTR CALLBACK title_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  const TimedRun& run = title_dialog().all_pages_run;
  switch (message) {
    case WM_TIMER:
      if (wparam != run.timer_id) return FALSE;
      timed_run_tick(dialog, run);
      return TRUE;
    case WM_DESTROY:
      end_timed_run_with_dialog(dialog, run);
      return FALSE;
    default:
      return settings_dialog_procedure<initialise, handle_command>(dialog, message, wparam,
                                                                   lparam);
  }
}

}  // namespace

const DLGPROC title_dialog_procedure = title_procedure;

}  // namespace kyz
