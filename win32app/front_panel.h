// The picture of the sign's front panel that fills the main window's client area.
#pragma once

#include <windows.h>

#include <string>

namespace kyz {

// Where the panel shows the data file name; the New command blanks it out there.
inline constexpr int file_name_x = 150;
inline constexpr int file_name_y = 132;

// Paints the panel and "File Name " followed by `data_file_path` (UTF-8).
void paint_front_panel(HDC dc, const std::string& data_file_path);

}  // namespace kyz
