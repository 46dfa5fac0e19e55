// The timed runs of both programs: the all-items send, the maintenance read-back and
// the title's all-pages send. Each runs in its own modal dialog (or kyz424's title
// page), paced by a dialog timer, and all of them share sequence_step, sequence_busy
// and device_error, so only one runs at a time.
//
// Whatever ends a dialog ends its run: WM_DESTROY stops the timer and clears
// sequence_step and sequence_busy, so no run is ever left half-way to block every later
// send. While a dialog's run is in progress its command 2 ("閉じる", which is disabled
// then, Esc or the close box) is ignored.
#pragma once

#include <windows.h>

namespace kyz {

// The progress_id of a dialog that shows its run's steps in the step box alone.
inline constexpr int no_progress_bar = 0;

struct TimedRun {
  UINT_PTR timer_id;
  UINT period_ms;
  int step_box_id;     // read-only edit box: the number of the step just performed
  int progress_id;     // progress bar: range 0..progress_range, one step per tick
  int progress_range;
  int (*step_count)();
  // Performs step `step`, 1..step_count().
  void (*perform_step)(HWND dialog, int step);
  bool ends_dialog;    // the dialog ends itself once the run is complete
  // From this step on the timer ticks every fast_period_ms; 0 keeps one pace.
  int fast_from_step = 0;
  UINT fast_period_ms = 0;
  // The bar shows the step just performed less this many.
  int progress_lag = 0;
  // What the step box shows once the run is complete.
  const wchar_t* done_text = L"  ";
  // The run is complete in the tick of its last step rather than at the next one, so
  // that the sign's answer to the last command comes after it and is reported as a
  // single command's would be.
  bool completes_with_last_step = false;
};

// WM_INITDIALOG: the progress bar's range and step.
void prepare_timed_run(HWND dialog, const TimedRun& run);

// The start button. Over TCP/IP without a connection shows "Socket が接続されていません"
// with error_box; while any run is in progress does nothing; otherwise disables
// "閉じる", sets sequence_busy and sequence_step 1 and starts the timer.
void start_timed_run(HWND dialog, const TimedRun& run);

// WM_TIMER of run.timer_id: one step. The run stops (the dialog stays open and "閉じる"
// works again) when the sign's latest reply was an error or the latest command could
// not be sent. Unless run.completes_with_last_step, it is complete at the tick after
// its last step, so that the answer to the last command still counts as an answer
// within the run and shows no success box.
void timed_run_tick(HWND dialog, const TimedRun& run);

// Whether `dialog` may close now: false while its own run is in progress.
bool timed_run_allows_close(HWND dialog);

// WM_DESTROY: the dialog's run, if any, ends with it.
void end_timed_run_with_dialog(HWND dialog, const TimedRun& run);

}  // namespace kyz
