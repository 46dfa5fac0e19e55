// "シ－ケンス・ページの設定": one check box per page, ticked for a page in the display
// sequence. Unlike the other settings dialogs the boxes hold the edits until "設定" or
// closing copies them into the record; every way of closing (button, Esc, close box)
// arrives as command 2 and keeps them.
#include "core/protocol/setting_senders.h"
#include "core/settings/settings_record.h"
#include "dialogs/dialog_registration.h"
#include "dialogs/resource_ids.h"
#include "win32app/dialogs.h"

namespace kyz {
namespace {

void copy_boxes_into_record(HWND dialog) {
  for (int page = 0; page < page_count; ++page) {
    settings.sequence_page[page] =
        IsDlgButtonChecked(dialog, IDC_SEQUENCE_PAGE_FIRST + page) == BST_CHECKED ? 1 : 0;
  }
}

void initialise(HWND dialog, LPARAM) {
  register_settings_dialog(dialog);
  for (int page = 0; page < page_count; ++page) {
    CheckDlgButton(dialog, IDC_SEQUENCE_PAGE_FIRST + page,
                   settings.sequence_page[page] != 0 ? BST_CHECKED : BST_UNCHECKED);
  }
  set_title_with_destination(dialog, L"シ－ケンス・ページの設定 ");
}

bool handle_command(HWND dialog, int id, int notification) {
  if (id >= IDC_SEQUENCE_PAGE_FIRST && id < IDC_SEQUENCE_PAGE_FIRST + page_count) {
    if (notification == BN_CLICKED) settings.modified = 1;
    return true;
  }
  switch (id) {
    case IDC_SEND:
      copy_boxes_into_record(dialog);
      send_sequence_page();
      return true;
    case IDCANCEL:
      copy_boxes_into_record(dialog);
      EndDialog(dialog, IDCANCEL);
      return true;
    default:
      return false;
  }
}

}  // namespace

const DLGPROC sequence_page_dialog_procedure =
    settings_dialog_procedure<initialise, handle_command>;

}  // namespace kyz
