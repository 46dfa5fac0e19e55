// The picture of the sign's front panel that fills the main window's client area, drawn
// from its layout (front_panel_layout.h) at the window's DPI.
#pragma once

#include <windows.h>

#include <string>

namespace kyz {

// Paints the panel's file name line of `window` again at once, whenever the record's
// file name has changed (New, Open, Save As).
void repaint_file_name(HWND window);

// How the shapes are drawn: kyz424lx outlines each shape in its own colour; kyz424
// fills them without an outline and draws the two feet in the stock dark grey with a
// black outline.
enum class PanelShapes { outlined_in_colour, filled_with_outlined_feet };

// The font of the panel's texts at `dpi`: the system font, scaled. The caller deletes it.
HFONT create_panel_font(UINT dpi);

// Paints the panel and "File Name " followed by `data_file_path` (UTF-8) at `dpi`.
void paint_front_panel(HDC dc, const std::string& data_file_path, PanelShapes shapes, UINT dpi);

}  // namespace kyz
