// "情報（タイトル）の設定": the text of each page, edited in one multi-line box and sent
// for the selected page, stored in the sign ("設定") or only shown ("Not memory"), or
// for all 32 pages, stored, as a timed run ("全Page設定").
// Every notification of the edit box stores its text into the record at once, so the
// record always holds what the operator sees.
#include <windows.h>

#include <string>

#include "core/protocol/title_command.h"
#include "core/settings/settings_record.h"
#include "core/ui/win32/text_encoding.h"
#include "dialogs/dialog_registration.h"
#include "dialogs/input_method.h"
#include "dialogs/list_entries.h"
#include "dialogs/resource_ids.h"
#include "dialogs/timed_run.h"
#include "dialogs/title_editing.h"
#include "win32app/dialogs.h"

namespace kyz {
namespace {

constexpr UINT_PTR all_pages_timer = 4;

int all_pages_step_count() { return page_count; }

// Step n sends page n in the stored form; a page that cannot be sent shows the warning
// and the run goes on. It sends the record's texts, which every edit notification keeps
// up to date.
void send_page_stored(HWND, int step) { send_title_stored(step - 1); }

constexpr TimedRun all_pages_run{all_pages_timer, 500, IDC_TITLE_STEP, IDC_TITLE_PROGRESS,
                                 page_count, all_pages_step_count, send_page_stored, false};

void initialise(HWND dialog, LPARAM) {
  register_settings_dialog(dialog);
  add_list_entries(dialog, IDC_TITLE_PAGE, numbered_texts(1, page_count));
  show_title_text(dialog);
  SendDlgItemMessageW(dialog, IDC_TITLE_PAGE, CB_SETCURSEL,
                      static_cast<WPARAM>(settings.current_page), 0);
  set_title_with_destination(dialog, L"情報（タイトル）の設定 ");
  save_and_open_input_method();
  prepare_timed_run(dialog, all_pages_run);
  // The page list comes first in the template's tab order and takes the focus: focusing
  // the edit box counts as an edit, and merely opening the dialog marks nothing changed.
}

bool handle_command(HWND dialog, int id, int notification) {
  switch (id) {
    case IDC_TITLE_TEXT:
      // Focus changes count as well: the operator has been in the text.
      store_title_text(dialog);
      settings.modified = 1;
      return true;
    case IDC_TITLE_PAGE:
      if (notification == CBN_SELCHANGE) switch_title_page(dialog);
      return true;
    case IDC_TITLE_SHOW_ONLY:
      send_current_title(false);
      return true;
    case IDC_SEND:
      send_current_title(true);
      return true;
    case IDC_TITLE_ALL_PAGES:
      start_timed_run(dialog, all_pages_run);
      return true;
    case IDCANCEL:
      if (!timed_run_allows_close(dialog)) return true;
      store_title_text(dialog);
      restore_input_method();
      EndDialog(dialog, IDCANCEL);
      return true;
    default:
      return false;
  }
}

// The settings dialog's procedure, with the run's timer and its end with the dialog.
INT_PTR CALLBACK title_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_TIMER:
      if (wparam != all_pages_timer) return FALSE;
      timed_run_tick(dialog, all_pages_run);
      return TRUE;
    case WM_DESTROY:
      end_timed_run_with_dialog(dialog, all_pages_run);
      return FALSE;
    default:
      return settings_dialog_procedure<initialise, handle_command>(dialog, message, wparam,
                                                                   lparam);
  }
}

}  // namespace

const DLGPROC title_dialog_procedure = title_procedure;

}  // namespace kyz
