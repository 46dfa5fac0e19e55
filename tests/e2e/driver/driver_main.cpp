// gui_driver: drives kyz424lx.exe under the same Wine server as a user would, through
// window messages, following a script of steps (see script.h for the syntax).
//
//   gui_driver SCRIPT       runs the steps in order; stops at the first that fails
//   gui_driver --kill-all   ends every kyz424lx process (test clean-up)
//
// Steps (TEXT and CAPTION are exact; ICON is none, stop, exclamation or question;
// BUTTON is OK, Yes or No; times in seconds):
//   start [EXE]                   starts EXE (default: ${KYZ424LX_EXE})
//   wait-main-window              waits for the window of class "TCP Server"
//   expect-title TEXT             the main window's title
//   expect-instances N            N windows of class "TCP Server" exist
//   expect-exit SECONDS [CODE]    the program started last ends (with CODE)
//   expect-running                the program started first still runs
//   menu ID                       posts the menu command ID to the main window
//   save-client-origin FILE       writes the screen position of the client area's origin
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
//   save-dialog PATH / open-dialog PATH   fills in and confirms the file dialog
//   cancel-save-dialog / cancel-open-dialog
//   expect-file-lines PATH N      the file holds N lines ending CR LF
//   expect-data-file PATH [FIELD PAGE VALUE]...   reads back as defaults plus changes
//   expect-no-file PATH
//   expect-received FILE BYTES [SECONDS]   FILE (signsim's raw log) comes to hold BYTES
//   expect-received-exactly FILE BYTES [SECONDS]   FILE comes to hold BYTES and nothing else
//   expect-nothing-received FILE SECONDS   FILE stays empty for SECONDS
//   sleep MS
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <stdexcept>

#include "core/settings/file_io.h"
#include "tests/e2e/driver/data_file_check.h"
#include "tests/e2e/driver/script.h"
#include "tests/e2e/driver/windows_access.h"

namespace gui_driver {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Words = std::vector<std::string>;

struct StepFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct Context {
  std::vector<PROCESS_INFORMATION> started;
  HWND main = nullptr;
  HWND dialog = nullptr;
  Clock::time_point mark = Clock::now();
};

[[noreturn]] void fail(const std::string& what) { throw StepFailure(what); }

std::string lookup_environment(const std::string& name) {
  const DWORD n = GetEnvironmentVariableW(widen(name).c_str(), nullptr, 0);
  if (n == 0) throw std::runtime_error("environment variable " + name + " is not set");
  std::wstring value(n, L'\0');
  GetEnvironmentVariableW(widen(name).c_str(), value.data(), n);
  value.resize(n - 1);
  return narrow(value);
}

// Unix paths (as the test scripts know them) reach Windows through drive Z:.
std::string windows_path(const std::string& path) {
  if (path.empty() || path[0] != '/') return path;
  std::string out = "Z:" + path;
  for (char& c : out) {
    if (c == '/') c = '\\';
  }
  return out;
}

std::chrono::milliseconds seconds(const std::string& word) {
  return std::chrono::milliseconds(static_cast<long long>(std::stod(word) * 1000));
}

int number(const std::string& word) { return std::stoi(word, nullptr, 0); }

const Words& need(const Words& w, std::size_t count) {
  if (w.size() < count + 1) fail(w[0] + " needs " + std::to_string(count) + " argument(s)");
  return w;
}

std::vector<HWND> main_windows() {
  std::vector<HWND> found;
  HWND w = nullptr;
  while ((w = FindWindowExW(nullptr, w, L"TCP Server", nullptr)) != nullptr) found.push_back(w);
  return found;
}

// The program's processes: those the driver started and those showing a main window.
ProcessFilter program_processes(const Context& c) {
  std::vector<DWORD> pids;
  for (const auto& pi : c.started) pids.push_back(pi.dwProcessId);
  for (HWND w : main_windows()) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    pids.push_back(pid);
  }
  return [pids](DWORD pid) {
    for (DWORD p : pids) {
      if (p == pid) return true;
    }
    return false;
  };
}

HWND current_dialog(Context& c) {
  if (!c.dialog || !IsWindow(c.dialog)) fail("no dialog is open");
  return c.dialog;
}

HWND control(Context& c, const std::string& id) {
  HWND w = GetDlgItem(current_dialog(c), number(id));
  if (!w) fail("the dialog has no control " + id);
  return w;
}

int button_id(const std::string& name) {
  if (name == "OK") return IDOK;
  if (name == "Yes") return IDYES;
  if (name == "No") return IDNO;
  if (name == "Cancel") return IDCANCEL;
  fail("no button " + name);
}

std::string describe(const MessageBoxView& box) {
  return "box \"" + narrow(box.text) + "\" caption \"" + narrow(box.caption) + "\" icon " +
         box.icon;
}

void press(HWND window, int id) {
  PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

void wait_gone(HWND window, std::chrono::milliseconds timeout, const std::string& what) {
  if (!wait_for<bool>(timeout, [&]() -> std::optional<bool> {
        if (!IsWindow(window) || !IsWindowVisible(window)) return true;
        return std::nullopt;
      })) {
    fail(what + " did not close");
  }
}

// Waits for the next message box and checks it; fails on a different box.
Clock::time_point expect_box(const Context& c, const Words& w, std::size_t at,
                             std::chrono::milliseconds timeout) {
  const ProcessFilter ours = program_processes(c);
  const std::wstring text = widen(w[at]);
  const std::wstring caption = widen(w[at + 1]);
  const std::string icon = w[at + 2];
  const int button = button_id(w[at + 3]);
  auto box = wait_for<MessageBoxView>(timeout, [&]() -> std::optional<MessageBoxView> {
    auto boxes = open_message_boxes(ours);
    if (boxes.empty()) return std::nullopt;
    return boxes.front();
  });
  const Clock::time_point seen = Clock::now();
  if (!box) fail("no message box \"" + w[at] + "\" appeared");
  // The icon is drawn a moment after the box appears.
  Sleep(150);
  auto again = open_message_boxes(ours);
  for (const auto& b : again) {
    if (b.window == box->window) box = b;
  }
  if (box->text != text || box->caption != caption) {
    fail("expected box \"" + w[at] + "\" caption \"" + w[at + 1] + "\", got " +
         describe(*box));
  }
  const bool icon_matches =
      box->icon == icon || (icon == "question" && box->icon == "question-or-information");
  if (!icon_matches) fail("expected icon " + icon + ", got " + describe(*box));
  if (!GetDlgItem(box->window, button)) fail(describe(*box) + " has no button " + w[at + 3]);
  press(box->window, button);
  wait_gone(box->window, 5s, describe(*box));
  return seen;
}

void file_dialog(Context& c, const std::wstring& caption, const std::string* path) {
  const ProcessFilter ours = program_processes(c);
  const auto found = wait_for<HWND>(10s, [&]() -> std::optional<HWND> {
    if (HWND d = find_dialog(caption, ours)) return d;
    return std::nullopt;
  });
  if (!found) fail("no file dialog \"" + narrow(caption) + "\" appeared");
  HWND dialog = *found;
  Sleep(200);  // let the dialog finish filling its lists
  if (!path) {
    press(dialog, IDCANCEL);
  } else {
    const std::wstring name = widen(windows_path(*path));
    // The name field: a combo box (0x47C) in the Explorer-style dialog, an edit (0x480)
    // in the older one.
    bool set = false;
    for (int id : {0x47C, 0x480}) {
      if (HWND field = GetDlgItem(dialog, id)) {
        SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
        set = true;
        break;
      }
    }
    if (!set) fail("the file dialog has no name field");
    press(dialog, IDOK);
  }
  wait_gone(dialog, 10s, "file dialog \"" + narrow(caption) + "\"");
}

std::string read_file(const std::string& path) {
  std::string contents;
  kyz::read_whole_file(windows_path(path), contents);
  return contents;
}

std::string printable(const std::string& bytes) {
  std::string out;
  for (unsigned char b : bytes) {
    if (b == '\r') out += "\\r";
    else if (b == '\n') out += "\\n";
    else if (b < 0x20 || b >= 0x7F) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", b);
      out += hex;
    } else out += static_cast<char>(b);
  }
  return out;
}

void post_key(HWND window, const std::string& key) {
  if (key == "alt") {
    PostMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, 0);
    return;
  }
  static const std::map<std::string, WPARAM> keys{
      {"left", VK_LEFT}, {"right", VK_RIGHT}, {"up", VK_UP},
      {"down", VK_DOWN}, {"enter", VK_RETURN}, {"escape", VK_ESCAPE}};
  const auto k = keys.find(key);
  if (k == keys.end()) fail("no key " + key);
  PostMessageW(window, WM_KEYDOWN, k->second, 1);
  PostMessageW(window, WM_KEYUP, k->second, 0xC0000001);
}

void mouse(DWORD flags, int x, int y) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  input.mi.dx = (x * 65535 + w / 2) / (w - 1);
  input.mi.dy = (y * 65535 + h / 2) / (h - 1);
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
  SendInput(1, &input, sizeof input);
}

void click_at(int x, int y, DWORD down, DWORD up) {
  mouse(0, x, y);
  Sleep(30);
  mouse(down, x, y);
  Sleep(30);
  mouse(up, x, y);
  Sleep(120);
}

using StepFunction = std::function<void(Context&, const Words&)>;

const std::map<std::string, StepFunction>& step_table() {
  static const std::map<std::string, StepFunction> table{
      {"start",
       [](Context& c, const Words& w) {
         const std::string exe = w.size() > 1 ? w[1] : lookup_environment("KYZ424LX_EXE");
         std::wstring command = L"\"" + widen(windows_path(exe)) + L"\"";
         STARTUPINFOW si{};
         si.cb = sizeof si;
         PROCESS_INFORMATION pi{};
         if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &si, &pi)) {
           fail("cannot start " + exe + ", error " + std::to_string(GetLastError()));
         }
         c.started.push_back(pi);
       }},
      {"wait-main-window",
       [](Context& c, const Words&) {
         auto w = wait_for<HWND>(20s, []() -> std::optional<HWND> {
           for (HWND h : main_windows()) {
             if (IsWindowVisible(h)) return h;
           }
           return std::nullopt;
         });
         if (!w) fail("the main window did not appear");
         c.main = *w;
       }},
      {"expect-title",
       [](Context& c, const Words& w) {
         need(w, 1);
         if (!c.main) fail("no main window");
         const std::string title = narrow(window_text(c.main));
         if (title != w[1]) fail("title is \"" + title + "\"");
       }},
      {"expect-instances",
       [](Context&, const Words& w) {
         need(w, 1);
         const auto n = main_windows().size();
         if (n != static_cast<std::size_t>(number(w[1]))) {
           fail(std::to_string(n) + " main windows exist");
         }
       }},
      {"expect-exit",
       [](Context& c, const Words& w) {
         need(w, 1);
         if (c.started.empty()) fail("nothing was started");
         const auto& pi = c.started.back();
         if (WaitForSingleObject(pi.hProcess, static_cast<DWORD>(seconds(w[1]).count())) !=
             WAIT_OBJECT_0) {
           fail("the program did not end within " + w[1] + " s");
         }
         DWORD code = 0;
         GetExitCodeProcess(pi.hProcess, &code);
         if (w.size() > 2 && code != static_cast<DWORD>(number(w[2]))) {
           fail("exit code " + std::to_string(code));
         }
       }},
      {"expect-running",
       [](Context& c, const Words&) {
         if (c.started.empty()) fail("nothing was started");
         if (WaitForSingleObject(c.started.front().hProcess, 0) != WAIT_TIMEOUT) {
           fail("the first program has ended");
         }
       }},
      {"menu",
       [](Context& c, const Words& w) {
         need(w, 1);
         if (!c.main) fail("no main window");
         PostMessageW(c.main, WM_COMMAND, MAKEWPARAM(number(w[1]), 0), 0);
       }},
      {"save-client-origin",
       [](Context& c, const Words& w) {
         need(w, 1);
         if (!c.main) fail("no main window");
         POINT origin{0, 0};
         ClientToScreen(c.main, &origin);
         const std::string text = std::to_string(origin.x) + " " + std::to_string(origin.y) + "\n";
         std::FILE* f = _wfopen(widen(windows_path(w[1])).c_str(), L"wb");
         if (!f) fail("cannot write " + w[1]);
         std::fwrite(text.data(), 1, text.size(), f);
         std::fclose(f);
       }},
      {"close-main-window",
       [](Context& c, const Words&) {
         if (!c.main) fail("no main window");
         PostMessageW(c.main, WM_CLOSE, 0, 0);
       }},
      {"keys",
       [](Context& c, const Words& w) {
         if (!c.main) fail("no main window");
         for (std::size_t i = 1; i < w.size(); ++i) {
           post_key(c.main, w[i]);
           Sleep(150);
         }
       }},
      {"right-click",
       [](Context&, const Words& w) {
         need(w, 2);
         click_at(number(w[1]), number(w[2]), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
       }},
      {"left-click",
       [](Context&, const Words& w) {
         need(w, 2);
         click_at(number(w[1]), number(w[2]), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
       }},
      {"expect-box",
       [](Context& c, const Words& w) {
         need(w, 4);
         expect_box(c, w, 1, w.size() > 5 ? seconds(w[5]) : 10000ms);
       }},
      {"mark", [](Context& c, const Words&) { c.mark = Clock::now(); }},
      {"expect-box-between",
       [](Context& c, const Words& w) {
         need(w, 6);
         const auto low = seconds(w[1]), high = seconds(w[2]);
         const auto limit = high - std::chrono::duration_cast<std::chrono::milliseconds>(
                                       Clock::now() - c.mark) + 1000ms;
         const auto seen = expect_box(c, w, 3, std::max(limit, 100ms));
         const auto after =
             std::chrono::duration_cast<std::chrono::milliseconds>(seen - c.mark);
         std::printf("  box after %.3f s\n", after.count() / 1000.0);
         if (after < low || after > high) {
           fail("the box came after " + std::to_string(after.count()) + " ms");
         }
       }},
      {"expect-no-box",
       [](Context& c, const Words& w) {
         need(w, 1);
         const ProcessFilter ours = program_processes(c);
         auto box = wait_for<MessageBoxView>(seconds(w[1]), [&]() -> std::optional<MessageBoxView> {
           auto boxes = open_message_boxes(ours);
           if (boxes.empty()) return std::nullopt;
           return boxes.front();
         });
         if (box) fail("unexpected " + describe(*box));
       }},
      {"dialog",
       [](Context& c, const Words& w) {
         need(w, 1);
         const std::wstring caption = widen(w[1]);
         const ProcessFilter ours = program_processes(c);
         auto d = wait_for<HWND>(w.size() > 2 ? seconds(w[2]) : 10000ms,
                                 [&]() -> std::optional<HWND> {
                                   if (HWND h = find_dialog(caption, ours)) return h;
                                   return std::nullopt;
                                 });
         if (!d) fail("no dialog \"" + w[1] + "\" appeared");
         c.dialog = *d;
       }},
      {"expect-no-dialog",
       [](Context& c, const Words& w) {
         need(w, 2);
         const std::wstring caption = widen(w[1]);
         const ProcessFilter ours = program_processes(c);
         if (wait_for<HWND>(seconds(w[2]), [&]() -> std::optional<HWND> {
               if (HWND h = find_dialog(caption, ours)) return h;
               return std::nullopt;
             })) {
           fail("dialog \"" + w[1] + "\" opened");
         }
       }},
      {"expect-dialog-title",
       [](Context& c, const Words& w) {
         need(w, 1);
         const std::string title = narrow(window_text(current_dialog(c)));
         if (title != w[1]) fail("dialog title is \"" + title + "\"");
       }},
      {"combo",
       [](Context& c, const Words& w) {
         need(w, 2);
         HWND combo = control(c, w[1]);
         if (SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(number(w[2])), 0) == CB_ERR) {
           fail("combo " + w[1] + " has no entry " + w[2]);
         }
         SendMessageW(current_dialog(c), WM_COMMAND, MAKEWPARAM(number(w[1]), CBN_SELCHANGE),
                      reinterpret_cast<LPARAM>(combo));
       }},
      {"expect-combo",
       [](Context& c, const Words& w) {
         need(w, 2);
         const auto index = SendMessageW(control(c, w[1]), CB_GETCURSEL, 0, 0);
         if (index != number(w[2])) fail("combo " + w[1] + " shows entry " + std::to_string(index));
       }},
      {"expect-combo-text",
       [](Context& c, const Words& w) {
         need(w, 2);
         const std::string text = narrow(window_text(control(c, w[1])));
         if (text != w[2]) fail("combo " + w[1] + " shows \"" + text + "\"");
       }},
      {"expect-text",
       [](Context& c, const Words& w) {
         need(w, 2);
         const std::string text = narrow(window_text(control(c, w[1])));
         if (text != w[2]) fail("control " + w[1] + " shows \"" + text + "\"");
       }},
      {"click",
       [](Context& c, const Words& w) {
         need(w, 1);
         press(current_dialog(c), number(w[1]));
       }},
      {"type",
       [](Context& c, const Words& w) {
         need(w, 2);
         HWND edit = control(c, w[1]);
         const std::wstring text = widen(w[2]);
         SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
         SendMessageW(current_dialog(c), WM_COMMAND, MAKEWPARAM(number(w[1]), EN_CHANGE),
                      reinterpret_cast<LPARAM>(edit));
       }},
      {"expect-dialog-gone",
       [](Context& c, const Words& w) {
         wait_gone(current_dialog(c), w.size() > 1 ? seconds(w[1]) : 5000ms, "the dialog");
         c.dialog = nullptr;
       }},
      {"save-dialog",
       [](Context& c, const Words& w) { file_dialog(c, L"ファイルの保存", &need(w, 1)[1]); }},
      {"open-dialog",
       [](Context& c, const Words& w) { file_dialog(c, L"ファイルのオープン", &need(w, 1)[1]); }},
      {"cancel-save-dialog",
       [](Context& c, const Words&) { file_dialog(c, L"ファイルの保存", nullptr); }},
      {"cancel-open-dialog",
       [](Context& c, const Words&) { file_dialog(c, L"ファイルのオープン", nullptr); }},
      {"expect-file-lines",
       [](Context&, const Words& w) {
         need(w, 2);
         int lines = -1;
         if (!wait_for<bool>(5000ms, [&]() -> std::optional<bool> {
               lines = count_crlf_lines(windows_path(w[1]));
               if (lines == number(w[2])) return true;
               return std::nullopt;
             })) {
           fail(w[1] + " holds " + std::to_string(lines) + " lines");
         }
       }},
      {"expect-data-file",
       [](Context&, const Words& w) {
         need(w, 1);
         // The program writes the file after the dialog has closed: give it a moment.
         std::string problem;
         if (!wait_for<bool>(5000ms, [&]() -> std::optional<bool> {
               problem = check_data_file(windows_path(w[1]), Words(w.begin() + 2, w.end()));
               if (problem.empty()) return true;
               return std::nullopt;
             })) {
           fail(w[1] + ": " + problem);
         }
       }},
      {"expect-no-file",
       [](Context&, const Words& w) {
         need(w, 1);
         if (GetFileAttributesW(widen(windows_path(w[1])).c_str()) != INVALID_FILE_ATTRIBUTES) {
           fail(w[1] + " exists");
         }
       }},
      {"expect-received",
       [](Context&, const Words& w) {
         need(w, 2);
         std::string last;
         if (!wait_for<bool>(w.size() > 3 ? seconds(w[3]) : 10000ms, [&]() -> std::optional<bool> {
               last = read_file(w[1]);
               if (last.find(w[2]) != std::string::npos) return true;
               return std::nullopt;
             })) {
           fail("received \"" + printable(last) + "\", not \"" + printable(w[2]) + "\"");
         }
       }},
      {"expect-received-exactly",
       [](Context&, const Words& w) {
         need(w, 2);
         std::string last;
         wait_for<bool>(w.size() > 3 ? seconds(w[3]) : 10000ms, [&]() -> std::optional<bool> {
           last = read_file(w[1]);
           if (last.size() >= w[2].size()) return true;
           return std::nullopt;
         });
         Sleep(200);  // anything sent after the expected bytes would be a fault too
         last = read_file(w[1]);
         if (last != w[2]) {
           fail("received \"" + printable(last) + "\", not exactly \"" + printable(w[2]) + "\"");
         }
       }},
      {"expect-nothing-received",
       [](Context&, const Words& w) {
         need(w, 2);
         std::string last;
         if (wait_for<bool>(seconds(w[2]), [&]() -> std::optional<bool> {
               last = read_file(w[1]);
               if (!last.empty()) return true;
               return std::nullopt;
             })) {
           fail("received \"" + printable(last) + "\"");
         }
       }},
      {"sleep", [](Context&, const Words& w) { Sleep(static_cast<DWORD>(number(need(w, 1)[1]))); }},
  };
  return table;
}

// Ends every process that owns a main window, and waits until they are gone.
void kill_all() {
  for (HWND w : main_windows()) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (HANDLE p = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid)) {
      TerminateProcess(p, 1);
      WaitForSingleObject(p, 5000);
      CloseHandle(p);
    }
  }
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
