// The settings dialogs made of group boxes that each hold one drop-down list and its own
// "設定" button (clock and date, other settings, fine position, alarm, remote), as one
// table: each row says where its list's choice is kept and what its button sends.
#pragma once

#include <windows.h>

#include <span>
#include <string_view>

namespace kyz {

// One list and its "設定" button, or a button alone (list_id 0).
struct SettingField {
  int list_id;
  // List texts in list order: list index = stored value.
  std::span<const wchar_t* const> entries;
  // Where the choice is kept: a field of the settings record or a clock value.
  int* value;
  // The clock lists do not count as unsaved changes: they are not part of the record.
  bool marks_modified;
  int button_id;
  void (*send)();
  // For a list whose index is not simply the value: the entry to show, and how a choice
  // is stored.
  int (*shown)() = nullptr;
  void (*store)(int index) = nullptr;
};

// The eight rows of the terminal-block assignment: number boxes "1".."8", one page list
// per input (terminal_page), one "設定" for all eight.
struct TerminalRows {
  std::span<const wchar_t* const> entries;
  void (*send)();
};

struct FieldDialog {
  int command_or_place;  // kyz424lx: the menu command; kyz424: the page's place in the sheet
  int template_id;
  // Shown before the destination client's address when the TCP server has one chosen;
  // nullptr: the caption stays.
  const wchar_t* title_prefix;
  std::span<const SettingField> fields;
  const TerminalRows* terminal_rows = nullptr;
  // Before the lists are filled (the clock dialog reads the PC's clock here).
  void (*before_fill)() = nullptr;
  // After the lists are filled.
  void (*after_fill)(HWND dialog) = nullptr;
  // A control the table does not describe; true when `id` was handled.
  bool (*command)(HWND dialog, int id, int notification) = nullptr;
};

// The dialog opened by menu command `menu_id`, or nullptr.
const FieldDialog* field_dialog_for_menu(int menu_id);

// The one dialog procedure of all five; WM_INITDIALOG carries the table entry.
extern const DLGPROC field_dialog_procedure;

// kyz424's property pages of the same shape, on the same templates, with its own list
// texts: other settings, fine position, clock and date, alarm, remote.
std::span<const FieldDialog> field_pages();

// The parts kyz424's pages share: filling the controls when the page opens (the entry
// is kept in DWLP_USER), and the controls' commands (true when `id` was one of them).
void initialise_field_dialog(HWND dialog, const FieldDialog& d);
bool field_dialog_command(HWND dialog, int id, int notification);
// The value of list `list_id`, or of the eight terminal rows, as the record holds it now
// (kyz424's pages, each time one comes up).
void show_field_list(HWND dialog, int list_id);
void show_terminal_rows(HWND dialog);

// The alarm hold time typed into its box: at most the first three characters, decimal
// digits up to the first other character; none gives 0. Always 0..999.
int hold_time_from_text(std::wstring_view text);

}  // namespace kyz
