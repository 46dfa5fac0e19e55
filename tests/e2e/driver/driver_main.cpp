// gui_driver: drives kyz424lx.exe and kyz424.exe under the same Wine server as a user would, through
// window messages, following a script of steps (see script.h for the syntax).
//
//   gui_driver SCRIPT       runs the steps in order; stops at the first that fails
//   gui_driver --kill-all   ends every kyz424lx and kyz424 process (test clean-up)
//
// Steps (TEXT and CAPTION are exact; ICON is none, stop, exclamation or question;
// BUTTON is OK, Yes or No; times in seconds):
//   start [EXE]                   starts EXE (default: ${KYZ424LX_EXE})
//   wait-main-window              waits for the main window (kyz424lx's class "TCP Server"
//                                 or kyz424's "KYZ424 Frame")
//   expect-title TEXT             the main window's title
//   expect-window-height N        the main window is N pixels high, frame included
//   expect-instances N            N main windows exist (within 5 s)
//   hold-mutex NAME               the driver holds a mutex NAME until it ends
//   expect-exit SECONDS [CODE]    the program started last ends (with CODE)
//   expect-ended COUNT SECONDS    exactly COUNT of the programs started have ended
//   expect-running                the program started first still runs
//   menu ID                       posts the menu command ID to the main window
//   save-screen FILE.bmp          the whole screen as a BMP picture
//   close-main-window             the window's close box (WM_CLOSE)
//   keys KEY...                   alt (opens the menu bar), left, right, up, down,
//                                 enter, escape: keys to the main window's menu
//   right-click X Y / left-click X Y   a mouse click at screen position (X, Y)
//   expect-box TEXT CAPTION ICON BUTTON [SECONDS]   the next message box; presses BUTTON
//   mark                          notes the time, for expect-box-between
//   expect-box-between MIN MAX TEXT CAPTION ICON BUTTON   the box, MIN..MAX s after mark
//   expect-no-box SECONDS         no message box appears for SECONDS
//   dialog CAPTION [SECONDS]      waits for a dialog; it becomes the current dialog
//   expect-no-dialog CAPTION SECONDS
//   expect-dialog-title TEXT      the current dialog's title
//   combo ID INDEX                selects entry INDEX of combo ID, with CBN_SELCHANGE
//   expect-combo ID INDEX         the selected entry's index
//   expect-combo-text ID TEXT     the selected entry's text
//   expect-text ID TEXT           a control's text
//   click ID                      presses button ID of the current dialog
//   type ID TEXT                  puts TEXT into edit box ID, with EN_CHANGE
//   expect-dialog-gone [SECONDS]  the current dialog has closed
//   sheet-page CAPTION            shows the page of the current property sheet whose
//                                 caption (tab text) is CAPTION; it becomes the current dialog
//   save-dialog PATH [CAPTION] / open-dialog PATH [CAPTION]   fills in and confirms the
//                                 file dialog (captioned CAPTION when the program leaves
//                                 the caption to the system)
//   cancel-save-dialog / cancel-open-dialog
//   expect-save-dialog FILTER... / expect-open-dialog FILTER...   the file dialog is up
//                                 with an empty name and these file types, the first chosen
//   expect-file-lines PATH N      the file holds N lines ending CR LF
//   expect-data-file PATH [FIELD PAGE VALUE]...   reads back as defaults plus changes
//   expect-no-file PATH
//   expect-received FILE BYTES [SECONDS]   FILE (signsim's raw log) comes to hold BYTES
//   expect-received-exactly FILE BYTES [SECONDS]   FILE comes to hold BYTES and nothing else
//   expect-nothing-received FILE SECONDS   FILE stays empty for SECONDS
//   any-dialog [SECONDS]          the next dialog of the program that is no message box
//   expect-whole main|dialog      the window lies on the screen and every control inside
//                                 its window's client area
//   expect-every-page-whole PREFIX   each page of the current property sheet in turn:
//                                 whole, its picture saved as PREFIX-N.bmp
//   expect-panel                  the front panel fits the client area and shows its
//                                 layout's colours, at the screen's DPI
//   expect-file-name shown|blank [tail]   whether the panel's file name line shows a name
//                                 (with tail: also right of the right foot)
//   save-picture main|dialog FILE the main window or the current dialog (or message box
//                                 found with `dialog`) as a BMP file, frame included
//   sleep MS
// Timings for scripts/bench, each appended to RESULTS as milliseconds:
//   record-painted RESULTS        from the last mark until a window of the program
//                                 started last is painted; it becomes the main window
//   record-first-byte ID FILE RESULTS   from pressing button ID until FILE grows
//   record-sent-to-byte TARGET TEXT FILE RESULTS   the reference: from a plain write of
//                                 TEXT to TARGET (COM1, or HOST:PORT over TCP) until
//                                 FILE grows
//   record-list-count ID N RESULTS   from the last mark until list box ID holds N rows
#include <cstdio>

#include "tests/e2e/driver/script.h"
#include "tests/e2e/driver/steps.h"

namespace gui_driver {
namespace {

const StepTable& step_table() {
  static const StepTable table = [] {
    StepTable t;
    add_program_steps(t);
    add_dialog_steps(t);
    add_file_steps(t);
    add_window_checks(t);
    return t;
  }();
  return table;
}

int run_script(const std::string& path) {
  const std::string text = read_file(path);
  if (text.empty()) {
    std::fprintf(stderr, "cannot read script %s\n", path.c_str());
    return 2;
  }
  Context context;
  std::vector<Step> steps;
  try {
    steps = parse_script(text, lookup_environment);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s: %s\n", path.c_str(), e.what());
    return 2;
  }
  for (const Step& step : steps) {
    std::printf("line %d: %s\n", step.line, printable(step.words[0]).c_str());
    std::fflush(stdout);
    const auto entry = step_table().find(step.words[0]);
    try {
      if (entry == step_table().end()) fail("unknown step");
      entry->second(context, step.words);
    } catch (const std::exception& e) {
      std::string words;
      for (const auto& word : step.words) words += " \"" + printable(word) + "\"";
      std::fprintf(stderr, "FAILED at line %d:%s\n  %s\n", step.line, words.c_str(), e.what());
      std::fflush(stderr);
      kill_all();
      return 1;
    }
  }
  std::printf("all %zu steps passed\n", steps.size());
  return 0;
}

}  // namespace
}  // namespace gui_driver

int wmain(int argc, wchar_t** argv) {
  if (argc == 2 && std::wstring(argv[1]) == L"--kill-all") {
    gui_driver::kill_all();
    return 0;
  }
  if (argc != 2) {
    std::fprintf(stderr, "usage: gui_driver SCRIPT | --kill-all\n");
    return 2;
  }
  return gui_driver::run_script(gui_driver::narrow(argv[1]));
}
