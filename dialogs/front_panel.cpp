#include "dialogs/front_panel.h"

#include "core/ui/win32/text_encoding.h"
#include "dialogs/dpi_scaling.h"
#include "dialogs/front_panel_layout.h"

namespace kyz {
namespace {

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

void rectangle(HDC dc, const RECT& box, UINT dpi) {
  const RECT r = scaled(box, dpi);
  Rectangle(dc, r.left, r.top, r.right, r.bottom);
}

void text(HDC dc, int x, int y, const std::wstring& s, UINT dpi) {
  TextOutW(dc, scaled(x, dpi), scaled(y, dpi), s.data(), static_cast<int>(s.size()));
}

// The shapes, one drawing step for each run of one colour: kyz424lx outlines them in
// their colour (1 pixel at every scale), kyz424 fills them, and draws the feet with the
// stock dark grey brush and the default black pen.
void paint_shapes(HDC dc, PanelShapes style, UINT dpi) {
  const bool outlined = style == PanelShapes::outlined_in_colour;
  const auto& shapes = panel::shapes;
  for (std::size_t first = 0; first < shapes.size();) {
    std::size_t end = first + 1;
    while (end < shapes.size() && shapes[end].colour == shapes[first].colour &&
           (outlined || !shapes[end].foot)) {
      ++end;
    }
    if (!outlined && shapes[first].foot) {
      const HGDIOBJ old_brush = SelectObject(dc, GetStockObject(DKGRAY_BRUSH));
      const HGDIOBJ old_pen = SelectObject(dc, GetStockObject(BLACK_PEN));
      for (std::size_t i = first; i < end; ++i) rectangle(dc, shapes[i].box, dpi);
      SelectObject(dc, old_pen);
      SelectObject(dc, old_brush);
    } else {
      DrawingTools tools(dc, 1, shapes[first].colour, &shapes[first].colour, outlined);
      for (std::size_t i = first; i < end; ++i) rectangle(dc, shapes[i].box, dpi);
    }
    first = end;
  }
}

// The lines, one step for each run of one colour and width.
void paint_lines(HDC dc, UINT dpi) {
  const auto& lines = panel::lines;
  for (std::size_t first = 0; first < lines.size();) {
    std::size_t end = first + 1;
    while (end < lines.size() && lines[end].colour == lines[first].colour &&
           lines[end].width == lines[first].width) {
      ++end;
    }
    DrawingTools tools(dc, scaled(lines[first].width, dpi), lines[first].colour, nullptr);
    for (std::size_t i = first; i < end; ++i) {
      MoveToEx(dc, scaled(lines[i].x1, dpi), scaled(lines[i].y, dpi), nullptr);
      LineTo(dc, scaled(lines[i].x2, dpi), scaled(lines[i].y, dpi));
    }
    first = end;
  }
}

}  // namespace

// The panel's lowest line, from the file name down to the window's edge, is painted again
// at once, so no part of a longer earlier path stays behind.
void repaint_file_name(HWND window) {
  RECT line;
  GetClientRect(window, &line);
  line.top = scaled(panel::file_name_y, window_dpi(window));
  InvalidateRect(window, &line, TRUE);
  UpdateWindow(window);
}

// At 96 DPI the system font as it is. At any other scale its face at the scaled height,
// in its natural width: the width the system font states belongs to 96 DPI on some
// systems and to the screen's scale on others.
HFONT create_panel_font(UINT dpi) {
  LOGFONTW font{};
  GetObjectW(GetStockObject(SYSTEM_FONT), sizeof font, &font);
  if (dpi != layout_dpi) {
    font.lfHeight = scaled(panel::text_height, dpi);
    font.lfWidth = 0;
  }
  return CreateFontIndirectW(&font);
}

void paint_front_panel(HDC dc, const std::string& data_file_path, PanelShapes shapes, UINT dpi) {
  paint_shapes(dc, shapes, dpi);
  paint_lines(dc, dpi);

  const HFONT font = create_panel_font(dpi);
  const HGDIOBJ old_font = SelectObject(dc, font);
  const int old_mode = SetBkMode(dc, TRANSPARENT);
  const COLORREF old_colour = GetTextColor(dc);
  for (const panel::Label& label : panel::labels) {
    SetTextColor(dc, label.colour);
    text(dc, label.x, label.y, label.text, dpi);
  }
  SetTextColor(dc, panel::file_name_colour);
  text(dc, panel::file_name_x, panel::file_name_y, panel::file_name_words + utf8_to_wide(data_file_path), dpi);
  SetTextColor(dc, old_colour);
  SetBkMode(dc, old_mode);
  SelectObject(dc, old_font);
  DeleteObject(font);
}

}  // namespace kyz
