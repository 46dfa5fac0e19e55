// The five page-group dialogs (scroll speed, character level, background fill,
// character and border colour, display position) as one table: each shows eight pages
// at a time and edits one per-page array of the settings record (two for colours).
// kyz424 shows the same five as pages of its property sheet, with its own list texts.
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
  int command_or_place;  // kyz424lx: the menu command; kyz424: the page's place in the sheet
  int template_id;
  // Shown before the destination client's address when the TCP server has one chosen;
  // nullptr: the caption stays.
  const wchar_t* title_prefix;
  // List texts in list order: list index = stored value.
  std::span<const wchar_t* const> entries;
  std::span<const PageGroupColumn> columns;
  // Builds the dialog's command from all 32 pages and sends it.
  void (*send)();
  // The four texts of the page-group selector, index = group.
  std::span<const wchar_t* const> group_texts;
};

// kyz424lx's dialog opened by menu command `menu_id`, or nullptr.
const PageGroupDialog* page_group_dialog_for_menu(int menu_id);

// kyz424's property pages of the same shape, on the same templates.
std::span<const PageGroupDialog> page_group_pages();

// The one dialog procedure of kyz424lx's five; WM_INITDIALOG carries the table entry.
extern const DLGPROC page_group_dialog_procedure;

// The parts kyz424's pages share: filling the lists and showing the group when the page
// opens, and the controls' commands (true when `id` was one of them).
void initialise_page_group(HWND dialog, const PageGroupDialog& d);
bool page_group_command(HWND dialog, const PageGroupDialog& d, int id, int notification);
// The group settings.page_group as the record holds it now: the selector, the page
// numbers and each row's value (kyz424's pages, each time one comes up).
void show_page_group(HWND dialog);

}  // namespace kyz
