// "情報（タイトル）の設定" in both programs: kyz424lx's dialog and kyz424's first sheet
// page edit the page texts with the same controls and the same procedure parts; the
// table entry says what differs (template, list texts, what counts as an edit, the
// all-pages run's timer and boxes).
#pragma once

#include <windows.h>

#include "dialogs/timed_run.h"

namespace kyz {

struct TitleDialog {
  int template_id;
  // The page list's texts: "1".."32" (0) or "01".."32" (2).
  int page_number_digits;
  // Shown before the destination client's address when the TCP server has one chosen;
  // nullptr: the caption stays.
  const wchar_t* title_prefix;
  // kyz424lx: every notification of the text box, a focus change too, is an edit and an
  // unsaved change. kyz424: a change of the text is an edit, and an unsaved change when
  // it leaves the page with a text.
  bool every_notification_edits;
  // "全Page設定": pages 1..32 in the stored form, one per tick.
  TimedRun all_pages_run;
};

// kyz424lx's dialog and kyz424's page.
const TitleDialog& title_dialog();
const TitleDialog& title_page();

// WM_INITDIALOG: registers the dialog, fills the page list, shows the page
// settings.current_page with its text, switches the input method on.
void initialise_title(HWND dialog, const TitleDialog& d);
// The page settings.current_page and its stored text, as the record holds them now.
void show_title_page(HWND dialog);
// The controls' commands (true when `id` was one of them); command 2 is the caller's.
bool title_command(HWND dialog, const TitleDialog& d, int id, int notification);

}  // namespace kyz
