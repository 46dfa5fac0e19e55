// Reading and finding another process's windows, the way a user sees them.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace gui_driver {

std::wstring widen(const std::string& utf8);
std::string narrow(const std::wstring& wide);

// WM_GETTEXT, which works across processes (GetWindowTextW does not).
std::wstring window_text(HWND window);
std::wstring class_name(HWND window);

// Visible top-level windows (owned windows included) in Z order.
std::vector<HWND> top_level_windows();

// Calls `probe` every 20 ms until it returns a value or `timeout` passes.
template <typename T>
std::optional<T> wait_for(std::chrono::milliseconds timeout,
                          const std::function<std::optional<T>()>& probe) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (auto v = probe()) return v;
    if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
    Sleep(20);
  }
}

// Process ids whose windows the driver looks at: the program under test. Windows of
// other processes on the same desktop (other tests' programs) are left alone.
using ProcessFilter = std::function<bool(DWORD process_id)>;

// A visible dialog-class (#32770) top-level window with exactly this caption.
HWND find_dialog(const std::wstring& caption, const ProcessFilter& ours);

// A message box: a dialog whose static control 0xFFFF holds the text.
struct MessageBoxView {
  HWND window = nullptr;
  std::wstring caption;
  std::wstring text;
  std::string icon;  // "none", "stop", "exclamation", "question", "information"
};
std::vector<MessageBoxView> open_message_boxes(const ProcessFilter& ours);

}  // namespace gui_driver
