// The picture of the sign's front panel that fills the main window's client area.
#pragma once

#include <windows.h>

#include <string>

namespace kyz {

// Where the panel shows the data file name; the New command blanks it out there.
inline constexpr int file_name_x = 150;
inline constexpr int file_name_y = 132;

// Paints the panel's file name line of `window` again at once, whenever the record's
// file name has changed (New, Open, Save As).
void repaint_file_name(HWND window);

// How the shapes are drawn: kyz424lx outlines each shape in its own colour; kyz424
// fills them without an outline and draws the two feet in the stock dark grey with a
// black outline.
enum class PanelShapes { outlined_in_colour, filled_with_outlined_feet };

// Paints the panel and "File Name " followed by `data_file_path` (UTF-8).
void paint_front_panel(HDC dc, const std::string& data_file_path,
                       PanelShapes shapes = PanelShapes::outlined_in_colour);

}  // namespace kyz
