#include "mfcapp/run_dialogs.h"

#include "core/protocol/all_items.h"
#include "dialogs/resource_ids.h"
#include "dialogs/run_steps.h"
#include "dialogs/timed_run.h"
#include "mfcapp/client_socket.h"
#include "mfcapp/kyz424_resource_ids.h"

namespace kyz::mfc {
namespace {

struct RunDialogEntry {
  UINT menu_id;
  UINT template_id;
  int receiver_kind;
  int start_button_id;
  TimedRun run;
};

// The all-items bar covers 0..52 and trails its step box by one; the read-back asks
// its 53 requests over either link at 500 ms, its bar covering 0..53. Both leave three
// blanks in the step box when they complete.
constexpr RunDialogEntry run_dialogs[] = {
    {ID_ALL_ITEMS, IDD_ALL_ITEMS, receiver_all_items, IDC_ALL_ITEMS_START,
     {2, 500, IDC_ALL_ITEMS_STEP, IDC_ALL_ITEMS_PROGRESS, all_items_last_step - 1,
      all_items_step_count, perform_all_items_step, true, all_items_pause_step, 100, 1, L"   "}},
    {ID_READ_BACK, IDD_READ_BACK, receiver_read_back, IDC_READ_BACK_START,
     {8, 500, IDC_READ_BACK_STEP, IDC_READ_BACK_PROGRESS, 53, read_back_step_count,
      perform_read_back_step, true, 0, 0, 0, L"   "}},
};

// While its run is in progress the dialog ignores command 2, whether from "閉じる"
// (disabled then), Esc or the close box; whatever ends it ends the run.
class CRunDialog final : public CDialog {
 public:
  CRunDialog(CWnd* parent, const RunDialogEntry& entry)
      : CDialog(entry.template_id, parent), entry_(entry) {}

 protected:
  BOOL OnInitDialog() override {
    client_socket.Register(m_hWnd, entry_.receiver_kind);
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
