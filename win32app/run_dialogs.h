// The two dialogs that are nothing but a timed run: "全項目の設定" (the whole record to
// the sign) and "設定項目の読み込み" (every setting read back from the sign), as one
// table and one procedure.
#pragma once

#include <windows.h>

#include "dialogs/timed_run.h"

namespace kyz {

struct RunDialog {
  int menu_id;
  int template_id;
  // Shown before the destination client's address when the TCP server has one chosen.
  const wchar_t* title_prefix;
  int start_button_id;
  TimedRun run;
};

// The dialog opened by menu command `menu_id`, or nullptr.
const RunDialog* run_dialog_for_menu(int menu_id);

// The one procedure of both; WM_INITDIALOG carries the table entry.
INT_PTR CALLBACK run_dialog_procedure(HWND dialog, UINT message, WPARAM wparam,
                                      LPARAM lparam);

}  // namespace kyz
