// The dialog procedure shared by the five page-group dialogs. Every change of a list is
// stored into the settings record at once; "設定" sends all 32 pages; the group shown
// is the process-wide settings.page_group, so the next dialog opens on the same pages.
#include <string>

#include "dialogs/dialog_registration.h"
#include "dialogs/page_group_table.h"
#include "dialogs/resource_ids.h"

namespace kyz {
namespace {

const PageGroupDialog& table_entry(HWND dialog) {
  return *reinterpret_cast<const PageGroupDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

// Selects each row's stored value and shows the row's page number.
void show_rows(HWND dialog, const PageGroupDialog& d) {
  for (int row = 0; row < page_group_rows; ++row) {
    const int page_index = settings.page_group * page_group_rows + row;
    const std::wstring number = std::to_wstring(page_index + 1);
    for (const PageGroupColumn& column : d.columns) {
      SendDlgItemMessageW(dialog, column.first_list_id + row, CB_SETCURSEL,
                          static_cast<WPARAM>((settings.*column.field)[page_index]), 0);
      SetDlgItemTextW(dialog, column.first_page_box_id + row, number.c_str());
    }
  }
}

}  // namespace

void show_page_group(HWND dialog) {
  SendDlgItemMessageW(dialog, IDC_PAGE_GROUP, CB_SETCURSEL,
                      static_cast<WPARAM>(settings.page_group), 0);
  show_rows(dialog, table_entry(dialog));
}

void initialise_page_group(HWND dialog, const PageGroupDialog& d) {
  SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&d));
  register_settings_dialog(dialog);
  HWND selector = GetDlgItem(dialog, IDC_PAGE_GROUP);
  for (const wchar_t* text : d.group_texts) {
    SendMessageW(selector, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  }
  for (const PageGroupColumn& column : d.columns) {
    for (int row = 0; row < page_group_rows; ++row) {
      for (const wchar_t* entry : d.entries) {
        SendDlgItemMessageW(dialog, column.first_list_id + row, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(entry));
      }
    }
  }
  show_page_group(dialog);
  if (d.title_prefix) set_title_with_destination(dialog, d.title_prefix);
}

namespace {

void switch_group(HWND dialog, const PageGroupDialog& d) {
  const auto group = static_cast<int>(SendDlgItemMessageW(dialog, IDC_PAGE_GROUP,
                                                          CB_GETCURSEL, 0, 0));
  if (group < 0 || group >= page_group_count) return;
  settings.page_group = group;
  show_rows(dialog, d);
}

// A list of row `row` in `column` changed: store it for that row's page.
void store_selection(HWND dialog, const PageGroupColumn& column, int row) {
  const auto value = static_cast<int>(SendDlgItemMessageW(dialog, column.first_list_id + row,
                                                          CB_GETCURSEL, 0, 0));
  if (value < 0) return;
  (settings.*column.field)[settings.page_group * page_group_rows + row] = value;
  settings.modified = 1;
}

}  // namespace

bool page_group_command(HWND dialog, const PageGroupDialog& d, int id, int notification) {
  if (id == IDC_PAGE_GROUP) {
    if (notification == CBN_SELCHANGE) switch_group(dialog, d);
    return true;
  }
  if (id == IDC_SEND) {
    d.send();
    return true;
  }
  for (const PageGroupColumn& column : d.columns) {
    const int row = id - column.first_list_id;
    if (row >= 0 && row < page_group_rows) {
      if (notification == CBN_SELCHANGE) store_selection(dialog, column, row);
      return true;
    }
  }
  return false;
}

namespace {

// kyz424lx's dialogs also close by "閉じる" and the close box.
bool handle_command(HWND dialog, int id, int notification) {
  if (id == IDCANCEL) {
    EndDialog(dialog, IDCANCEL);
    return true;
  }
  return page_group_command(dialog, table_entry(dialog), id, notification);
}

}  // namespace

const DLGPROC page_group_dialog_procedure =
    table_dialog_procedure<PageGroupDialog, initialise_page_group, handle_command>;

}  // namespace kyz
