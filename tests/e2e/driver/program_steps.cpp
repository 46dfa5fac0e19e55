// Steps that start the program and act on its main window as a user would.
#include <algorithm>
#include <cstdio>

#include "tests/e2e/driver/steps.h"

namespace gui_driver {
namespace {

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

struct PaintedWindowSearch {
  DWORD pid;
  HWND found;
};

// An EnumWindows callback, so a named CALLBACK function: a lambda has the wrong calling
// convention in a 32-bit program.
BOOL CALLBACK check_painted_window(HWND h, LPARAM p) {
  auto* s = reinterpret_cast<PaintedWindowSearch*>(p);
  DWORD owner = 0;
  GetWindowThreadProcessId(h, &owner);
  if (owner != s->pid || !IsWindowVisible(h) || GetUpdateRect(h, nullptr, FALSE)) return TRUE;
  s->found = h;
  return FALSE;
}

// A visible top-level window of the process whose update region is empty.
HWND painted_window_of(DWORD pid) {
  PaintedWindowSearch search{pid, nullptr};
  EnumWindows(check_painted_window, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

BOOL CALLBACK note_unpainted_child(HWND child, LPARAM all_painted) {
  if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) *reinterpret_cast<bool*>(all_painted) = false;
  return TRUE;
}

// Whether `window` and every window inside it have painted everything they were asked to.
bool painted(HWND window) {
  if (GetUpdateRect(window, nullptr, FALSE)) return false;
  bool all = true;
  EnumChildWindows(window, note_unpainted_child, reinterpret_cast<LPARAM>(&all));
  return all;
}

}  // namespace

void save_window_picture(HWND window, const std::string& path) {
  // A window that has just grown or shown another page paints a moment later.
  wait_for<bool>(2s, [&]() -> std::optional<bool> {
    if (painted(window)) return true;
    return std::nullopt;
  });
  RECT r;
  GetWindowRect(window, &r);
  const LONG width = r.right - r.left, height = r.bottom - r.top;
  BITMAPINFOHEADER header{sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header),
                                    DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  const DWORD size = static_cast<DWORD>((width * 3 + 3) / 4 * 4 * height);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + size;
  std::FILE* f = _wfopen(widen(windows_path(path)).c_str(), L"wb");
  if (f) {
    std::fwrite(&file, sizeof file, 1, f);
    std::fwrite(&header, sizeof header, 1, f);
    std::fwrite(bits, 1, size, f);
    std::fclose(f);
  }
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  if (!f) fail("cannot write " + path);
}

void add_program_steps(StepTable& table) {
  table.insert({
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
      {"record-painted",
       [](Context& c, const Words& w) {
         // Milliseconds from the last mark until a visible window of the program started
         // last has nothing left to paint; appended to RESULTS. The window becomes the
         // main window of the later steps.
         need(w, 1);
         if (c.started.empty()) fail("nothing was started");
         const DWORD pid = c.started.back().dwProcessId;
         for (;;) {
           if (HWND h = painted_window_of(pid)) {
             append_result(w[1], Clock::now() - c.mark);
             c.main = h;
             return;
           }
           if (Clock::now() - c.mark > 20s) fail("no window was painted within 20 s");
           Sleep(1);
         }
       }},
      {"wait-main-window",
       [](Context& c, const Words&) {
         // The window of the program this script started, when it started one: a unit
         // test running beside it may show a window of the same class.
         auto w = wait_for<HWND>(20s, [&c]() -> std::optional<HWND> {
           for (HWND h : main_windows()) {
             DWORD pid = 0;
             GetWindowThreadProcessId(h, &pid);
             if (!c.started.empty() && pid != c.started.back().dwProcessId) continue;
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
      // Within 5 s, as a program that has just started may not show its window yet.
      {"expect-instances",
       [](Context&, const Words& w) {
         need(w, 1);
         const auto wanted = static_cast<std::size_t>(number(w[1]));
         wait_for<bool>(5s, [wanted]() -> std::optional<bool> {
           if (main_windows().size() == wanted) return true;
           return std::nullopt;
         });
         const auto n = main_windows().size();
         if (n != wanted) fail(std::to_string(n) + " main windows exist");
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
      // "expect-ended COUNT SECONDS": exactly COUNT of the programs this script started
      // have ended within SECONDS (which of them does not matter, as when two start at once).
      {"expect-ended",
       [](Context& c, const Words& w) {
         need(w, 2);
         const auto ended = [&c] {
           return std::count_if(c.started.begin(), c.started.end(), [](const PROCESS_INFORMATION& pi) {
             return WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0;
           });
         };
         const long expected = number(w[1]);
         wait_for<bool>(seconds(w[2]), [&]() -> std::optional<bool> {
           if (ended() >= expected) return true;
           return std::nullopt;
         });
         if (ended() != expected) fail(std::to_string(ended()) + " programs have ended");
       }},
      {"expect-running",
       [](Context& c, const Words&) {
         if (c.started.empty()) fail("nothing was started");
         if (WaitForSingleObject(c.started.front().hProcess, 0) != WAIT_TIMEOUT) {
           fail("the first program has ended");
         }
       }},
      {"expect-window-height",
       [](Context& c, const Words& w) {
         need(w, 1);
         if (!c.main) fail("no main window");
         RECT r{};
         GetWindowRect(c.main, &r);
         if (r.bottom - r.top != number(w[1])) {
           fail("the main window is " + std::to_string(r.bottom - r.top) + " pixels high");
         }
       }},
      // Holds a mutex of this name until the script ends, as another program would.
      {"hold-mutex",
       [](Context&, const Words& w) {
         if (!CreateMutexW(nullptr, TRUE, widen(need(w, 1)[1]).c_str())) fail("no mutex " + w[1]);
       }},
      {"menu",
       [](Context& c, const Words& w) {
         need(w, 1);
         if (!c.main) fail("no main window");
         PostMessageW(c.main, WM_COMMAND, MAKEWPARAM(number(w[1]), 0), 0);
       }},
      {"save-picture",
       [](Context& c, const Words& w) {
         need(w, 2);
         HWND window = w[1] == "main" ? c.main : c.dialog;
         // A property page is pictured with its sheet.
         if (window && (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD)) {
           window = GetAncestor(window, GA_ROOT);
         }
         if (!window || !IsWindow(window)) fail("no " + w[1] + " window");
         save_window_picture(window, w[2]);
       }},
      {"save-screen",
       [](Context&, const Words& w) {
         Sleep(300);  // let the windows finish painting
         save_window_picture(GetDesktopWindow(), need(w, 1)[1]);
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
      // Keys to the open dialog, as its modal loop receives them ("escape" closes it).
      {"dialog-keys",
       [](Context& c, const Words& w) {
         if (!c.dialog || !IsWindow(c.dialog)) fail("no dialog is open");
         for (std::size_t i = 1; i < w.size(); ++i) {
           post_key(c.dialog, w[i]);
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
       }},      {"sleep", [](Context&, const Words& w) { Sleep(static_cast<DWORD>(number(need(w, 1)[1]))); }},
  });
}

}  // namespace gui_driver
