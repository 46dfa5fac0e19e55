#include "mfcapp/run_dialogs.h"

#include "core/protocol/all_items.h"
#include "dialogs/resource_ids.h"
#include "dialogs/run_steps.h"
#include "dialogs/timed_run.h"
#include "mfcapp/client_socket.h"
#include "mfcapp/kyz424_resource_ids.h"
#include "mfcapp/receiver_registration.h"

namespace kyz::mfc {
namespace {

struct RunDialogEntry {
  UINT menu_id;
  UINT template_id;
  int receiver_kind;
  int start_button_id;
  TimedRun run;
};

// The dialogs' timers; both runs step every 500 ms, the all-items send every 100 ms
// from its pause step on. Both leave three blanks in the step box when they complete.
constexpr UINT_PTR all_items_timer = 2;
constexpr UINT_PTR read_back_timer = 8;
constexpr UINT run_period_ms = 500;
constexpr UINT all_items_fast_period_ms = 100;
constexpr const wchar_t* run_done_text = L"   ";
// The all-items bar covers 0..52 and trails its step box by one; the read-back's
// covers 0..53, one step for each of its 53 requests over either link.
constexpr int all_items_progress_lag = 1;
constexpr int read_back_progress_range = 53;

constexpr RunDialogEntry run_dialogs[] = {
    {ID_ALL_ITEMS, IDD_ALL_ITEMS, receiver_all_items, IDC_ALL_ITEMS_START,
     {.timer_id = all_items_timer,
      .period_ms = run_period_ms,
      .step_box_id = IDC_ALL_ITEMS_STEP,
      .progress_id = IDC_ALL_ITEMS_PROGRESS,
      .progress_range = all_items_last_step - all_items_progress_lag,
      .step_count = all_items_step_count,
      .perform_step = perform_all_items_step,
      .ends_dialog = true,
      .fast_from_step = all_items_pause_step,
      .fast_period_ms = all_items_fast_period_ms,
      .progress_lag = all_items_progress_lag,
      .done_text = run_done_text}},
    {ID_READ_BACK, IDD_READ_BACK, receiver_read_back, IDC_READ_BACK_START,
     {.timer_id = read_back_timer,
      .period_ms = run_period_ms,
      .step_box_id = IDC_READ_BACK_STEP,
      .progress_id = IDC_READ_BACK_PROGRESS,
      .progress_range = read_back_progress_range,
      .step_count = read_back_step_count,
      .perform_step = perform_read_back_step,
      .ends_dialog = true,
      .done_text = run_done_text}},
};

// While its run is in progress the dialog ignores command 2, whether from "閉じる"
// (disabled then), Esc or the close box; whatever ends it ends the run.
class CRunDialog final : public CDialog {
 public:
  CRunDialog(CWnd* parent, const RunDialogEntry& entry)
      : CDialog(entry.template_id, parent), entry_(entry) {}

 protected:
  BOOL OnInitDialog() override {
    register_receiver(m_hWnd, entry_.receiver_kind);
    prepare_timed_run(m_hWnd, entry_.run);
    return TRUE;
  }
  bool OnCommand(UINT id, UINT notification) override {
    if (static_cast<int>(id) == entry_.start_button_id) {
      start_timed_run(m_hWnd, entry_.run);
      return true;
    }
    return CDialog::OnCommand(id, notification);
  }
  void OnCancel() override {
    if (timed_run_allows_close(m_hWnd)) EndDialog(IDCANCEL);
  }
  void OnTimer(UINT_PTR id) override {
    if (id == entry_.run.timer_id) timed_run_tick(m_hWnd, entry_.run);
  }
  bool OnOtherMessage(UINT message, WPARAM, LPARAM) override {
    if (message == WM_DESTROY) end_timed_run_with_dialog(m_hWnd, entry_.run);
    return false;
  }

 private:
  const RunDialogEntry& entry_;
};

}  // namespace

bool run_timed_run_dialog(CWnd* parent, UINT menu_id) {
  for (const RunDialogEntry& entry : run_dialogs) {
    if (entry.menu_id == menu_id) {
      CRunDialog(parent, entry).DoModal();
      return true;
    }
  }
  return false;
}

}  // namespace kyz::mfc
