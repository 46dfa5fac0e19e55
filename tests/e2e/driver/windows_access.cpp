#include "tests/e2e/driver/windows_access.h"

namespace gui_driver {
namespace {

constexpr int message_box_text_id = 0xFFFF;
// The icon's static control: 0x14 on Windows, 0x440 in Wine's template.
constexpr int message_box_icon_ids[] = {0x14, 0x440};

BOOL CALLBACK collect(HWND window, LPARAM out) {
  if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(out)->push_back(window);
  return TRUE;
}

// Which stock icon the box shows, told from the colours of the icon's pixels on the
// screen: icons of other processes cannot be compared by handle.
std::string classify_icon(HWND box) {
  HWND icon = nullptr;
  for (int id : message_box_icon_ids) {
    HWND candidate = GetDlgItem(box, id);
    if (candidate && IsWindowVisible(candidate) &&
        SendMessageW(candidate, STM_GETICON, 0, 0) != 0) {
      icon = candidate;
      break;
    }
  }
  if (!icon) return "none";
  RECT r;
  GetWindowRect(icon, &r);
  HDC screen = GetDC(nullptr);
  int red = 0, yellow = 0, blue = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      const COLORREF c = GetPixel(screen, x, y);
      const int R = GetRValue(c), G = GetGValue(c), B = GetBValue(c);
      if (R > 160 && G < 110 && B < 110) ++red;
      else if (R > 160 && G > 140 && B < 110) ++yellow;
      else if (B > 140 && R < 120) ++blue;
    }
  }
  ReleaseDC(nullptr, screen);
  if (red >= yellow && red >= blue && red > 20) return "stop";
  if (yellow >= blue && yellow > 20) return "exclamation";
  if (blue > 20) return "question-or-information";
  return "unknown";
}

BOOL CALLBACK check_child(HWND child, LPARAM only_static_and_buttons) {
  wchar_t name[64] = {};
  GetClassNameW(child, name, 64);
  if (lstrcmpiW(name, L"Static") != 0 && lstrcmpiW(name, L"Button") != 0) {
    *reinterpret_cast<bool*>(only_static_and_buttons) = false;
  }
  return TRUE;
}

// A message box holds only static texts, its icon and push buttons.
bool looks_like_message_box(HWND w) {
  HWND text = GetDlgItem(w, message_box_text_id);
  if (!text) return false;
  wchar_t name[64] = {};
  GetClassNameW(text, name, 64);
  if (lstrcmpiW(name, L"Static") != 0) return false;
  bool plain = true;
  EnumChildWindows(w, check_child, reinterpret_cast<LPARAM>(&plain));
  return plain;
}

}  // namespace

std::wstring widen(const std::string& s) {
  if (s.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), out.data(), n);
  return out;
}

std::string narrow(const std::wstring& s) {
  if (s.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr,
                                    0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), out.data(), n, nullptr,
                      nullptr);
  return out;
}

// The text may grow between the two messages ("9" becoming "10"): a buffer with room for
// one more character shows that, and the text is read again.
std::wstring window_text(HWND window) {
  for (;;) {
    const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 2, L'\0');
    const auto got = SendMessageW(window, WM_GETTEXT, static_cast<WPARAM>(text.size()),
                                  reinterpret_cast<LPARAM>(text.data()));
    if (got > length) continue;
    text.resize(static_cast<std::size_t>(got));
    return text;
  }
}

std::wstring class_name(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

std::vector<HWND> top_level_windows() {
  std::vector<HWND> windows;
  EnumWindows(collect, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

DWORD process_of(HWND window) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  return pid;
}

HWND find_dialog(const std::wstring& caption, const ProcessFilter& ours) {
  for (HWND w : top_level_windows()) {
    if (class_name(w) == L"#32770" && ours(process_of(w)) && window_text(w) == caption) return w;
  }
  return nullptr;
}

std::vector<MessageBoxView> open_message_boxes(const ProcessFilter& ours) {
  std::vector<MessageBoxView> boxes;
  for (HWND w : top_level_windows()) {
    if (class_name(w) != L"#32770" || !ours(process_of(w))) continue;
    if (!looks_like_message_box(w)) continue;
    HWND text = GetDlgItem(w, message_box_text_id);
    boxes.push_back({w, window_text(w), window_text(text), classify_icon(w)});
  }
  return boxes;
}

}  // namespace gui_driver
