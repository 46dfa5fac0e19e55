// The five page-group dialogs (scroll speed, character level, background fill,
// character and border colour, display position) as one table: each shows eight pages
// at a time and edits one per-page array of the settings record (two for colours).
#pragma once

#include <windows.h>

#include <span>

#include "core/settings/settings_record.h"

namespace kyz {

inline constexpr int page_group_rows = 8;

// One column of eight drop-down lists, rows 0..7, and its page-number boxes.
struct PageGroupColumn {
  int first_list_id;
  int first_page_box_id;
  PerPage<int> SettingsRecord::*field;
};

struct PageGroupDialog {
  int menu_id;
  int template_id;
  // Shown before the destination client's address when the TCP server has one chosen.
  const wchar_t* title_prefix;
  // List texts in list order: list index = stored value.
  std::span<const wchar_t* const> entries;
  std::span<const PageGroupColumn> columns;
  // Builds the dialog's command from all 32 pages and sends it.
  void (*send)();
};

// The four texts of the page-group selector, index = group.
extern const wchar_t* const page_group_texts[page_group_count];

// The dialog opened by menu command `menu_id`, or nullptr.
const PageGroupDialog* page_group_dialog_for_menu(int menu_id);

// The one dialog procedure of all five; WM_INITDIALOG carries the table entry.
extern const DLGPROC page_group_dialog_procedure;

}  // namespace kyz
