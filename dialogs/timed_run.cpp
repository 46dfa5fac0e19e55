#include "dialogs/timed_run.h"

#include <commctrl.h>

#include <string>

#include "core/protocol/protocol_state.h"
#include "core/protocol/send_path.h"
#include "core/ui/message_boxes.h"

namespace kyz {
namespace {

// The dialog whose run is in progress, nullptr when none. UI thread only, like the
// dialogs and their timers.
HWND run_owner = nullptr;

// Set while a step is being performed. A message box shown by the step (a title that
// cannot be sent, a TCP answer that never came) runs its own message loop, in which the
// next ticks arrive: they are skipped until the step is done instead of running steps
// inside it, box upon box.
bool step_in_progress = false;

void enable_close(HWND dialog, bool enabled) {
  EnableWindow(GetDlgItem(dialog, IDCANCEL), enabled ? TRUE : FALSE);
}

// Back to idle: timer stopped, no run, "閉じる" enabled. Step box and progress bar keep
// what they show.
void stop_run(HWND dialog, const TimedRun& run) {
  KillTimer(dialog, run.timer_id);
  sequence_busy = 0;
  sequence_step = 0;
  run_owner = nullptr;
  enable_close(dialog, true);
}

// A message to the run's progress bar, if the dialog has one.
void to_progress_bar(HWND dialog, const TimedRun& run, UINT message, WPARAM wparam, LPARAM lparam) {
  if (run.progress_id == no_progress_bar) return;
  SendDlgItemMessageW(dialog, run.progress_id, message, wparam, lparam);
}

}  // namespace

void prepare_timed_run(HWND dialog, const TimedRun& run) {
  to_progress_bar(dialog, run, PBM_SETRANGE, 0, MAKELPARAM(0, run.progress_range));
  to_progress_bar(dialog, run, PBM_SETSTEP, 1, 0);
}

void start_timed_run(HWND dialog, const TimedRun& run) {
  if (link_ready() == 0) {
    error_box(not_connected_message);
    return;
  }
  if (sequence_step != 0) return;
  enable_close(dialog, false);
  // An error reply or failed send from before the run must not stop it at its first tick.
  device_error = 0;
  send_failed = 0;
  sequence_busy = 1;
  sequence_step = 1;
  run_owner = dialog;
  // A run stopped by an error left its bar where it stopped; this run counts from 0.
  to_progress_bar(dialog, run, PBM_SETPOS, 0, 0);
  SetTimer(dialog, run.timer_id, run.period_ms, nullptr);
}

void timed_run_tick(HWND dialog, const TimedRun& run) {
  if (run_owner != dialog || step_in_progress) return;
  if (device_error != 0 || send_failed != 0) {
    device_error = 0;
    send_failed = 0;
    stop_run(dialog, run);
    return;
  }
  const int step = sequence_step;
  if (step <= run.step_count()) {
    if (step == run.fast_from_step) SetTimer(dialog, run.timer_id, run.fast_period_ms, nullptr);
    step_in_progress = true;
    run.perform_step(dialog, step);
    step_in_progress = false;
    if (run_owner != dialog) return;  // the dialog ended while the step showed a box
    SetDlgItemTextW(dialog, run.step_box_id, std::to_wstring(step).c_str());
    to_progress_bar(dialog, run, PBM_SETPOS, static_cast<WPARAM>(step - run.progress_lag), 0);
    sequence_step = step + 1;
    if (!(run.completes_with_last_step && step == run.step_count())) return;
  }

  stop_run(dialog, run);
  // The watchdog, silent during the run, counts afresh for the last command: a sign
  // that answered nothing is reported as "No Connect" a few seconds after the run
  // instead of the run ending as if it had succeeded.
  answer_ticks = 0;
  SetDlgItemTextW(dialog, run.step_box_id, run.done_text);
  to_progress_bar(dialog, run, PBM_SETPOS, 0, 0);
  if (run.ends_dialog) EndDialog(dialog, IDCANCEL);
}

bool timed_run_allows_close(HWND dialog) { return run_owner != dialog; }

void end_timed_run_with_dialog(HWND dialog, const TimedRun& run) {
  KillTimer(dialog, run.timer_id);
  if (run_owner != dialog) return;
  sequence_busy = 0;
  sequence_step = 0;
  run_owner = nullptr;
}

}  // namespace kyz
