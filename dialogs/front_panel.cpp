#include "dialogs/front_panel.h"

#include <string_view>

#include "core/ui/win32/text_encoding.h"

namespace kyz {
namespace {

constexpr COLORREF panel_face = RGB(255, 255, 204);
constexpr COLORREF black = RGB(0, 0, 0);
constexpr COLORREF dark_grey = RGB(34, 34, 34);
constexpr COLORREF rule_grey = RGB(80, 80, 80);
constexpr COLORREF lamp_green = RGB(0, 255, 0);
constexpr COLORREF white = RGB(255, 255, 255);

// A pen and brush selected into the DC for one drawing step; deselected and deleted
// when the step ends, before the next step creates its own. Without an outline the
// stock null pen is selected instead of a pen of our own.
class DrawingTools {
 public:
  DrawingTools(HDC dc, int pen_width, COLORREF pen_colour, const COLORREF* brush_colour,
               bool outline = true)
      : dc_(dc),
        pen_(outline ? CreatePen(PS_SOLID, pen_width, pen_colour) : nullptr),
        brush_(brush_colour ? CreateSolidBrush(*brush_colour) : nullptr) {
    old_pen_ = SelectObject(dc_, pen_ ? pen_ : GetStockObject(NULL_PEN));
    if (brush_) old_brush_ = SelectObject(dc_, brush_);
  }
  ~DrawingTools() {
    SelectObject(dc_, old_pen_);
    if (brush_) SelectObject(dc_, old_brush_);
    if (pen_) DeleteObject(pen_);
    if (brush_) DeleteObject(brush_);
  }
  DrawingTools(const DrawingTools&) = delete;
  DrawingTools& operator=(const DrawingTools&) = delete;

 private:
  HDC dc_;
  HPEN pen_;
  HBRUSH brush_;
  HGDIOBJ old_pen_ = nullptr;
  HGDIOBJ old_brush_ = nullptr;
};

void line(HDC dc, int x1, int y1, int x2, int y2) {
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

void text(HDC dc, int x, int y, std::wstring_view s) {
  TextOutW(dc, x, y, s.data(), static_cast<int>(s.size()));
}

void feet(HDC dc) {
  Rectangle(dc, 60, 133, 120, 150);
  Rectangle(dc, 510, 133, 570, 150);
}

}  // namespace

// The panel's lowest line, from the file name down to the window's edge, is painted again
// at once, so no part of a longer earlier path stays behind.
void repaint_file_name(HWND window) {
  RECT line;
  GetClientRect(window, &line);
  line.top = file_name_y;
  InvalidateRect(window, &line, TRUE);
  UpdateWindow(window);
}

void paint_front_panel(HDC dc, const std::string& data_file_path, PanelShapes shapes) {
  const bool outlined = shapes == PanelShapes::outlined_in_colour;
  {  // the panel face
    DrawingTools tools(dc, 1, panel_face, &panel_face, outlined);
    Rectangle(dc, 0, 0, 630, 132);
  }
  {  // the power switch body
    DrawingTools tools(dc, 1, black, &black, outlined);
    Rectangle(dc, 486, 60, 504, 96);
    Rectangle(dc, 504, 42, 576, 114);
  }
  {  // the switch frame and six key caps
    DrawingTools tools(dc, 1, dark_grey, &dark_grey, outlined);
    Rectangle(dc, 516, 45, 525, 111);
    Rectangle(dc, 516, 45, 564, 54);
    Rectangle(dc, 555, 45, 564, 111);
    Rectangle(dc, 516, 102, 564, 111);
    for (int k = 0; k < 6; ++k) Rectangle(dc, 75 + 39 * k, 69, 105 + 39 * k, 99);
    if (outlined) feet(dc);
  }
  if (!outlined) {  // the feet in the stock dark grey with the default black pen
    const HGDIOBJ old_brush = SelectObject(dc, GetStockObject(DKGRAY_BRUSH));
    const HGDIOBJ old_pen = SelectObject(dc, GetStockObject(BLACK_PEN));
    feet(dc);
    SelectObject(dc, old_pen);
    SelectObject(dc, old_brush);
  }
  {  // the rule under the name plate
    DrawingTools tools(dc, 3, rule_grey, nullptr);
    line(dc, 12, 24, 513, 24);
    line(dc, 567, 24, 618, 24);
  }
  {  // the green lamp stripes
    DrawingTools tools(dc, 3, lamp_green, nullptr);
    for (int k = 0; k < 6; ++k) line(dc, 492, 70 + 3 * k, 510, 70 + 3 * k);
  }

  const int old_mode = SetBkMode(dc, TRANSPARENT);
  const COLORREF old_colour = SetTextColor(dc, rule_grey);
  text(dc, 190, 2, L"KYZ-424  INFORMATION SCROLLER");
  text(dc, 480, 42, L"ON");
  text(dc, 477, 99, L"OFF");
  text(dc, 519, 18, L"POWER");
  text(dc, 69, 48, L"MENU");
  constexpr std::wstring_view arrows[] = {L" ←", L" →", L" ↑", L" ↓"};
  for (int k = 0; k < 4; ++k) text(dc, 114 + 39 * k, 48, arrows[k]);
  text(dc, 265, 48, L"ENTER");
  text(dc, file_name_x, file_name_y, L"File Name " + utf8_to_wide(data_file_path));

  SetTextColor(dc, white);
  text(dc, 534, 60, L"\u0399");  // the switch's "on" mark
  text(dc, 534, 81, L"\u25CB");  // the switch's "off" mark
  SetTextColor(dc, old_colour);
  SetBkMode(dc, old_mode);
}

}  // namespace kyz
