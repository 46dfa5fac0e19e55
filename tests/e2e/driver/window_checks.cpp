// Steps that check what the operator sees at the screen's scale: windows whole, every
// control inside its window, and the front panel drawn where its layout puts it. The
// driver reads the scale as every program of the Wine prefix does, from the screen.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cwchar>
#include <vector>

#include "dialogs/dpi_scaling.h"
#include "dialogs/front_panel_layout.h"
#include "tests/e2e/driver/steps.h"

namespace gui_driver {
namespace {

using kyz::scaled;

UINT screen_dpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return static_cast<UINT>(dpi);
}

std::string describe(const RECT& r) {
  return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ")-(" +
         std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
}

bool inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

RECT client_on_screen(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::string name_of(HWND window) {
  return narrow(class_name(window)) + " \"" + narrow(window_text(window)) + "\" (id " +
         std::to_string(GetDlgCtrlID(window)) + ")";
}

// An EnumChildWindows callback (a named CALLBACK function, as a 32-bit program needs).
BOOL CALLBACK collect_visible(HWND child, LPARAM out) {
  if (IsWindowVisible(child)) reinterpret_cast<std::vector<HWND>*>(out)->push_back(child);
  return TRUE;
}

// The window lies on the screen, and every visible window inside it lies within its
// parent's client area.
void expect_whole(HWND window) {
  RECT screen{}, outer{};
  GetWindowRect(GetDesktopWindow(), &screen);
  GetWindowRect(window, &outer);
  if (!inside(outer, screen)) {
    fail(name_of(window) + " at " + describe(outer) + " reaches past the screen " + describe(screen));
  }
  std::vector<HWND> children;
  EnumChildWindows(window, collect_visible, reinterpret_cast<LPARAM>(&children));
  std::string faults;
  for (HWND child : children) {
    RECT r{};
    GetWindowRect(child, &r);
    const RECT area = client_on_screen(GetParent(child));
    if (!inside(r, area)) faults += "\n  " + name_of(child) + " at " + describe(r) + " outside " + describe(area);
  }
  if (!faults.empty()) fail("controls outside their window's client area:" + faults);
}

HWND window_of(Context& c, const std::string& which) {
  HWND window = which == "main" ? c.main : c.dialog;
  if (!window || !IsWindow(window)) fail("no " + which + " window");
  return GetAncestor(window, GA_ROOT);  // a property page is checked with its sheet
}

// The screen's pixels under a window's client area, read once.
class ClientPicture {
 public:
  explicit ClientPicture(HWND window) : area_(client_on_screen(window)) {
    const int width = area_.right - area_.left, height = area_.bottom - area_.top;
    pixels_.resize(static_cast<std::size_t>(width) * height);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area_.left, area_.top, SRCCOPY);
    GdiFlush();
    std::copy_n(static_cast<const std::uint32_t*>(bits), pixels_.size(), pixels_.begin());
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
  }
  int width() const { return area_.right - area_.left; }
  int height() const { return area_.bottom - area_.top; }
  COLORREF at(int x, int y) const {
    const std::uint32_t p = pixels_[static_cast<std::size_t>(y) * width() + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  // Pixels in the area darker than the light background around the panel's texts.
  int dark_pixels(int left, int top, int right, int bottom) const {
    int n = 0;
    for (int y = std::max(top, 0); y < std::min(bottom, height()); ++y) {
      for (int x = std::max(left, 0); x < std::min(right, width()); ++x) {
        const COLORREF c = at(x, y);
        n += GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 230;
      }
    }
    return n;
  }

 private:
  RECT area_;
  std::vector<std::uint32_t> pixels_;
};

std::string colour_text(COLORREF c) {
  return std::to_string(GetRValue(c)) + "," + std::to_string(GetGValue(c)) + "," +
         std::to_string(GetBValue(c));
}

// Where a text of the panel may have left its pixels: a square of the text's height for
// each character is more than any font takes.
RECT text_reach(const kyz::panel::Label& label) {
  const int width = static_cast<int>(std::wcslen(label.text)) * kyz::panel::text_height;
  return {label.x, label.y, label.x + width, label.y + kyz::panel::text_height};
}

RECT line_box(const kyz::panel::Line& l) { return kyz::panel::reach(l, kyz::layout_dpi); }

bool contains(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

struct Probe {
  POINT at;  // in the 96-DPI layout
  COLORREF colour;
  std::string what;
};

// The colour the panel shows at the middle of each of its shapes and lines: that of the
// last one drawn there. Middles a text may cover are left out. Also the background right
// of the face and between the left foot and the file name.
std::vector<Probe> panel_probes(bool stock_feet) {
  using namespace kyz::panel;
  auto shape_colour = [&](const Shape& s) { return s.foot && stock_feet ? stock_dark_grey : s.colour; };
  auto covered_by_text = [](POINT p) {
    for (const Label& label : labels) {
      if (contains(text_reach(label), p)) return true;
    }
    // The file name line may reach the window's edge with a long path.
    return contains({file_name_x, file_name_y, LONG_MAX, file_name_y + text_height}, p);
  };
  auto seen_at = [&](POINT p, std::size_t from_shape, std::size_t from_line) {
    COLORREF colour = CLR_INVALID;
    for (std::size_t i = from_shape; i < shapes.size(); ++i) {
      if (contains(shapes[i].box, p)) colour = shape_colour(shapes[i]);
    }
    for (std::size_t i = from_line; i < lines.size(); ++i) {
      if (contains(line_box(lines[i]), p)) colour = lines[i].colour;
    }
    return colour;
  };
  std::vector<Probe> probes;
  for (std::size_t i = 0; i < shapes.size(); ++i) {
    const RECT& b = shapes[i].box;
    const POINT middle{(b.left + b.right) / 2, (b.top + b.bottom) / 2};
    if (!covered_by_text(middle)) probes.push_back({middle, seen_at(middle, i, 0), "shape " + std::to_string(i)});
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const POINT middle{(lines[i].x1 + lines[i].x2) / 2, lines[i].y};
    if (!covered_by_text(middle)) {
      probes.push_back({middle, seen_at(middle, shapes.size(), i), "line " + std::to_string(i)});
    }
  }
  const RECT& face_box = shapes[face].box;
  const RECT& left_foot = shapes[shapes.size() - 2].box;
  probes.push_back({{face_box.right + 2, face_box.bottom / 2}, white, "background right of the face"});
  probes.push_back({{(left_foot.right + file_name_x) / 2, (left_foot.top + left_foot.bottom) / 2}, white,
                    "background right of the left foot"});
  return probes;
}

// The panel's lowest and rightmost reach at `dpi`: its shapes, lines and file name line.
SIZE panel_extent(UINT dpi) {
  using namespace kyz::panel;
  SIZE extent{0, scaled(file_name_y + text_height, dpi)};
  auto take = [&](const RECT& r) {
    extent.cx = std::max<LONG>(extent.cx, scaled(r.right, dpi));
    extent.cy = std::max<LONG>(extent.cy, scaled(r.bottom, dpi));
  };
  for (const Shape& s : shapes) take(s.box);
  for (const Line& l : lines) {
    const RECT r = reach(l, dpi);
    extent.cx = std::max(extent.cx, r.right);
    extent.cy = std::max(extent.cy, r.bottom);
  }
  return extent;
}

void expect_panel(HWND main) {
  const UINT dpi = screen_dpi();
  const ClientPicture picture(main);
  const SIZE extent = panel_extent(dpi);
  if (extent.cx > picture.width() || extent.cy > picture.height()) {
    fail("the panel needs " + std::to_string(extent.cx) + " x " + std::to_string(extent.cy) +
         " pixels at " + std::to_string(dpi) + " DPI; the client area is " +
         std::to_string(picture.width()) + " x " + std::to_string(picture.height()));
  }
  const bool stock_feet = class_name(main) == L"KYZ424 Frame";
  std::string faults;
  for (const Probe& p : panel_probes(stock_feet)) {
    const int x = scaled(p.at.x, dpi), y = scaled(p.at.y, dpi);
    const COLORREF got = picture.at(x, y);
    if (got != p.colour) {
      faults += "\n  " + p.what + " at (" + std::to_string(x) + ", " + std::to_string(y) + "): " +
                colour_text(got) + ", expected " + colour_text(p.colour);
    }
  }
  if (!faults.empty()) fail("the panel at " + std::to_string(dpi) + " DPI differs from its layout:" + faults);
}

// Whether the file name line shows a name right of the words "File Name " (which any font
// draws within 110 pixels at 96 DPI) and left of the right foot; with `tail`, also right
// of the right foot, where only a long path reaches.
void expect_file_name(HWND main, bool shown, bool tail) {
  using namespace kyz::panel;
  const UINT dpi = screen_dpi();
  const ClientPicture picture(main);
  const RECT& right_foot = shapes[shapes.size() - 1].box;
  const int top = scaled(file_name_y + 2, dpi), bottom = scaled(file_name_y + 14, dpi);
  struct Area {
    int left, right;
    const char* where;
  };
  std::vector<Area> areas{{scaled(file_name_x + 110, dpi), scaled(right_foot.left - 10, dpi), "before the right foot"}};
  if (tail) areas.push_back({scaled(right_foot.right + 4, dpi), picture.width() - scaled(6, dpi), "after the right foot"});
  for (const Area& a : areas) {
    const int dark = picture.dark_pixels(a.left, top, a.right, bottom);
    const int all = (a.right - a.left) * (bottom - top);
    if (shown && dark * 100 < all) fail(std::string("no file name ") + a.where);
    if (!shown && dark > 0) fail(std::string("a file name ") + a.where + " (" + std::to_string(dark) + " dark pixels)");
  }
}

}  // namespace

void add_window_checks(StepTable& table) {
  table.insert({
      {"expect-whole",
       [](Context& c, const Words& w) { expect_whole(window_of(c, need(w, 1)[1])); }},
      // Shows each page of the current property sheet in turn, checks it whole and saves
      // its picture as PREFIX-N.bmp (N from 1).
      {"expect-every-page-whole",
       [](Context& c, const Words& w) {
         need(w, 1);
         HWND sheet = window_of(c, "dialog");
         HWND tabs = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETTABCONTROL, 0, 0));
         const auto count = SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0);
         if (count <= 0) fail("the dialog is no property sheet");
         for (LRESULT i = 0; i < count; ++i) {
           SendMessageW(sheet, PSM_SETCURSEL, static_cast<WPARAM>(i), 0);
           Sleep(150);  // let the page paint
           expect_whole(sheet);
           save_window_picture(sheet, w[1] + "-" + std::to_string(i + 1) + ".bmp");
         }
       }},
      // The next dialog of the program, whatever its caption, that is no message box.
      {"any-dialog",
       [](Context& c, const Words& w) {
         const ProcessFilter ours = program_processes(c);
         auto d = wait_for<HWND>(w.size() > 1 ? seconds(w[1]) : 10000ms, [&]() -> std::optional<HWND> {
           for (HWND h : top_level_windows()) {
             DWORD pid = 0;
             GetWindowThreadProcessId(h, &pid);
             if (class_name(h) == L"#32770" && ours(pid) && !GetDlgItem(h, 0xFFFF)) return h;
           }
           return std::nullopt;
         });
         if (!d) fail("no dialog appeared");
         Sleep(150);  // let it paint
         c.dialog = *d;
       }},
      {"expect-panel",
       [](Context& c, const Words&) {
         if (!c.main) fail("no main window");
         expect_panel(c.main);
       }},
      {"expect-file-name",
       [](Context& c, const Words& w) {
         need(w, 1);
         if (!c.main) fail("no main window");
         expect_file_name(c.main, w[1] == "shown", w.size() > 2 && w[2] == "tail");
       }},
  });
}

}  // namespace gui_driver
