// The dialog procedure shared by the dialogs of field_dialog_table.h. A list's choice is
// stored at once; each "設定" sends its own command from what is stored.
#include <string>

#include "core/settings/settings_record.h"
#include "dialogs/dialog_registration.h"
#include "dialogs/field_dialog_table.h"
#include "dialogs/resource_ids.h"

namespace kyz {
namespace {

// True while a dialog fills its controls: the notifications that filling causes (the
// hold-time box's EN_CHANGE) are not the operator's edits. UI thread only.
bool filling = false;

const FieldDialog& table_entry(HWND dialog) {
  return *reinterpret_cast<const FieldDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

// A value the list does not offer (a year outside it, "AS" in a list of pages) leaves
// the list without a selection.
void select_value(HWND dialog, int list_id, std::span<const wchar_t* const> entries, int shown) {
  const bool listed = shown >= 0 && shown < static_cast<int>(entries.size());
  SendDlgItemMessageW(dialog, list_id, CB_SETCURSEL, listed ? static_cast<WPARAM>(shown)
                                                            : static_cast<WPARAM>(-1), 0);
}

void fill_list(HWND dialog, int list_id, std::span<const wchar_t* const> entries, int shown) {
  for (const wchar_t* entry : entries) {
    SendDlgItemMessageW(dialog, list_id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
  }
  select_value(dialog, list_id, entries, shown);
}

int shown_value(const SettingField& field) { return field.shown ? field.shown() : *field.value; }

}  // namespace

void show_field_list(HWND dialog, int list_id) {
  for (const SettingField& field : table_entry(dialog).fields) {
    if (field.list_id == list_id) select_value(dialog, list_id, field.entries, shown_value(field));
  }
}

void show_terminal_rows(HWND dialog) {
  const TerminalRows* rows = table_entry(dialog).terminal_rows;
  for (int row = 0; rows && row < terminal_inputs; ++row) {
    select_value(dialog, IDC_TERMINAL_PAGE_FIRST + row, rows->entries, settings.terminal_page[row]);
  }
}

void initialise_field_dialog(HWND dialog, const FieldDialog& d) {
  SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&d));
  register_settings_dialog(dialog);
  filling = true;
  if (d.before_fill) d.before_fill();
  for (const SettingField& field : d.fields) {
    if (field.list_id == 0) continue;
    fill_list(dialog, field.list_id, field.entries, shown_value(field));
  }
  if (d.terminal_rows) {
    for (int row = 0; row < terminal_inputs; ++row) {
      SetDlgItemTextW(dialog, IDC_TERMINAL_NUMBER_FIRST + row, std::to_wstring(row + 1).c_str());
      fill_list(dialog, IDC_TERMINAL_PAGE_FIRST + row, d.terminal_rows->entries,
                settings.terminal_page[row]);
    }
  }
  if (d.after_fill) d.after_fill(dialog);
  filling = false;
  if (d.title_prefix) set_title_with_destination(dialog, d.title_prefix);
}

namespace {

// The list `list_id` changed: where its choice goes and whether it is an unsaved change.
void store_choice(HWND dialog, int list_id, int* value, void (*store)(int), bool marks) {
  const auto index =
      static_cast<int>(SendDlgItemMessageW(dialog, list_id, CB_GETCURSEL, 0, 0));
  if (index < 0) return;
  if (store) {
    store(index);
  } else {
    *value = index;
  }
  if (marks) settings.modified = 1;
}

}  // namespace

bool field_dialog_command(HWND dialog, int id, int notification) {
  if (filling) return true;
  const FieldDialog& d = table_entry(dialog);
  if (d.command && d.command(dialog, id, notification)) return true;
  for (const SettingField& field : d.fields) {
    if (field.list_id != 0 && id == field.list_id) {
      if (notification == CBN_SELCHANGE) {
        store_choice(dialog, id, field.value, field.store, field.marks_modified);
      }
      return true;
    }
    if (id == field.button_id) {
      field.send();
      return true;
    }
  }
  if (!d.terminal_rows) return false;
  if (id == IDC_TERMINAL_SEND) {
    d.terminal_rows->send();
    return true;
  }
  const int row = id - IDC_TERMINAL_PAGE_FIRST;
  if (row < 0 || row >= terminal_inputs) return false;
  if (notification == CBN_SELCHANGE) {
    store_choice(dialog, id, &settings.terminal_page[row], nullptr, true);
  }
  return true;
}

namespace {

// kyz424lx's dialogs also close by "閉じる" and the close box.
bool handle_command(HWND dialog, int id, int notification) {
  if (id == IDCANCEL) {
    EndDialog(dialog, IDCANCEL);
    return true;
  }
  return field_dialog_command(dialog, id, notification);
}

}  // namespace

const DLGPROC field_dialog_procedure =
    table_dialog_procedure<FieldDialog, initialise_field_dialog, handle_command>;

}  // namespace kyz
