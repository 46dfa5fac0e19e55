#include "dialogs/title_dialog_table.h"

#include "core/protocol/title_command.h"
#include "core/settings/settings_record.h"
#include "dialogs/dialog_registration.h"
#include "dialogs/input_method.h"
#include "dialogs/list_entries.h"
#include "dialogs/resource_ids.h"
#include "dialogs/title_editing.h"

namespace kyz {
namespace {

// True while the text box is loaded from the record: that is not the operator's edit.
// UI thread only.
bool filling = false;

int all_pages_step_count() { return page_count; }

// Step n sends page n in the stored form; a page that cannot be sent shows the warning
// and the run goes on. It sends the record's texts, which every edit keeps up to date.
void send_page_stored(HWND, int step) { send_title_stored(step - 1); }

// kyz424lx's run is complete as page 32 goes out: the sign's answer to it is the
// operator's one confirmation ("設定完了"), and the dialog stays open.
constexpr TitleDialog lx_dialog{
    IDD_TITLE, 0, L"情報（タイトル）の設定 ", true,
    {.timer_id = 4,
     .period_ms = 500,
     .step_box_id = IDC_TITLE_STEP,
     .progress_id = IDC_TITLE_PROGRESS,
     .progress_range = page_count,
     .step_count = all_pages_step_count,
     .perform_step = send_page_stored,
     .ends_dialog = false,
     .completes_with_last_step = true}};

// The sheet's page shows the page being sent in its own box and has no progress bar.
constexpr TitleDialog sheet_page{
    IDD_SHEET_TITLE, 2, nullptr, false,
    {3, 500, IDC_SHEET_TITLE_STEP, no_progress_bar, page_count, all_pages_step_count,
     send_page_stored, false}};

void text_box_notified(HWND dialog, const TitleDialog& d, int notification) {
  if (filling) return;
  if (d.every_notification_edits) {
    store_title_text(dialog);
    settings.modified = 1;
    return;
  }
  if (notification != EN_CHANGE) return;
  store_title_text(dialog);
  if (!settings.title[settings.current_page].empty()) settings.modified = 1;
}

}  // namespace

const TitleDialog& title_dialog() { return lx_dialog; }
const TitleDialog& title_page() { return sheet_page; }

void show_title_page(HWND dialog) {
  filling = true;
  SendDlgItemMessageW(dialog, IDC_TITLE_PAGE, CB_SETCURSEL,
                      static_cast<WPARAM>(settings.current_page), 0);
  show_title_text(dialog);
  filling = false;
}

void initialise_title(HWND dialog, const TitleDialog& d) {
  register_settings_dialog(dialog);
  add_list_entries(dialog, IDC_TITLE_PAGE, numbered_texts(1, page_count, d.page_number_digits));
  show_title_page(dialog);
  if (d.title_prefix) set_title_with_destination(dialog, d.title_prefix);
  save_and_open_input_method();
  prepare_timed_run(dialog, d.all_pages_run);
}

bool title_command(HWND dialog, const TitleDialog& d, int id, int notification) {
  switch (id) {
    case IDC_TITLE_TEXT:
      text_box_notified(dialog, d, notification);
      return true;
    case IDC_TITLE_PAGE:
      if (notification == CBN_SELCHANGE) {
        filling = true;
        switch_title_page(dialog);
        filling = false;
      }
      return true;
    case IDC_TITLE_SHOW_ONLY:
      send_current_title(false);
      return true;
    case IDC_SEND:
      send_current_title(true);
      return true;
    case IDC_TITLE_ALL_PAGES:
      start_timed_run(dialog, d.all_pages_run);
      return true;
    default:
      return false;
  }
}

}  // namespace kyz
