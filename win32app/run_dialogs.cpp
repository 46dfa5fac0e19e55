#include "win32app/run_dialogs.h"

#include "core/protocol/all_items.h"
#include "dialogs/dialog_registration.h"
#include "dialogs/resource_ids.h"
#include "dialogs/run_steps.h"

namespace kyz {
namespace {

// The dialogs' timers, and the all-items send's pace from step 33 on.
constexpr UINT_PTR all_items_timer = 5;
constexpr UINT_PTR read_back_timer = 6;
constexpr UINT all_items_fast_period_ms = 100;

constexpr RunDialog run_dialogs[] = {
    {IDM_ALL_ITEMS, IDD_ALL_ITEMS, L"全項目の設定 ", IDC_ALL_ITEMS_START,
     {all_items_timer, 500, IDC_ALL_ITEMS_STEP, IDC_ALL_ITEMS_PROGRESS, all_items_last_step,
      all_items_step_count, perform_all_items_step, true, all_items_pause_step,
      all_items_fast_period_ms}},
    // The progress range leaves room for a step that never comes.
    {IDM_READ_BACK, IDD_READ_BACK, L"設定項目の読み込み ", IDC_READ_BACK_START,
     {read_back_timer, 300, IDC_READ_BACK_STEP, IDC_READ_BACK_PROGRESS, 56,
      read_back_step_count, perform_read_back_step, true}},
};

const RunDialog* table_entry(HWND dialog) {
  return reinterpret_cast<const RunDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

}  // namespace

const RunDialog* run_dialog_for_menu(int menu_id) {
  for (const RunDialog& d : run_dialogs) {
    if (d.menu_id == menu_id) return &d;
  }
  return nullptr;
}

INT_PTR CALLBACK run_dialog_procedure(HWND dialog, UINT message, WPARAM wparam,
                                      LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG: {
      const auto& d = *reinterpret_cast<const RunDialog*>(lparam);
      SetWindowLongPtrW(dialog, DWLP_USER, lparam);
      register_settings_dialog(dialog);
      set_title_with_destination(dialog, d.title_prefix);
      prepare_timed_run(dialog, d.run);
      return TRUE;
    }
    case WM_COMMAND: {
      const RunDialog* d = table_entry(dialog);
      const int id = LOWORD(wparam);
      if (d && id == d->start_button_id) {
        start_timed_run(dialog, d->run);
      } else if (id == IDCANCEL) {
        if (timed_run_allows_close(dialog)) EndDialog(dialog, IDCANCEL);
      } else {
        return FALSE;
      }
      return TRUE;
    }
    case WM_TIMER: {
      const RunDialog* d = table_entry(dialog);
      if (!d || wparam != d->run.timer_id) return FALSE;
      timed_run_tick(dialog, d->run);
      return TRUE;
    }
    case WM_DESTROY:
      if (const RunDialog* d = table_entry(dialog)) end_timed_run_with_dialog(dialog, d->run);
      return FALSE;
    default:
      return handle_socket_data(message) ? TRUE : FALSE;
  }
}

}  // namespace kyz
