// The sign's front panel as both main windows draw it: every shape, line and text in the
// client coordinates of a 96-DPI screen, in the order they are drawn. The painter scales
// them to the window's DPI; the checks of the picture read the same tables.
#pragma once

#include <windows.h>

#include <array>

#include "dialogs/dpi_scaling.h"

namespace kyz::panel {

// The panel's texts are drawn in a font of this height (the system font's on a 96-DPI
// screen), scaled like everything else.
inline constexpr int text_height = 16;

inline constexpr COLORREF face_colour = RGB(255, 255, 204);
inline constexpr COLORREF black = RGB(0, 0, 0);
inline constexpr COLORREF dark_grey = RGB(34, 34, 34);
inline constexpr COLORREF rule_grey = RGB(80, 80, 80);
inline constexpr COLORREF lamp_green = RGB(0, 255, 0);
inline constexpr COLORREF white = RGB(255, 255, 255);
// kyz424 draws the feet with the stock dark grey brush instead.
inline constexpr COLORREF stock_dark_grey = RGB(64, 64, 64);

// A filled rectangle; `foot` marks the two feet, which kyz424 draws in its own way.
struct Shape {
  RECT box;
  COLORREF colour;
  bool foot;
};

// A horizontal line from x1 to x2 at y, `width` pixels thick.
struct Line {
  int x1, x2, y, width;
  COLORREF colour;
};

// A text whose top-left corner is at (x, y), drawn without a background on the shape
// `backdrop` (an index into `shapes`).
struct Label {
  int x, y;
  const wchar_t* text;
  COLORREF colour;
  int backdrop;
};

inline constexpr int face = 0;
inline constexpr int switch_body = 2;  // the larger of the two black rectangles

inline constexpr std::array<Shape, 15> shapes = [] {
  std::array<Shape, 15> s{};
  int n = 0;
  s[n++] = {{0, 0, 630, 132}, face_colour, false};
  s[n++] = {{486, 60, 504, 96}, black, false};  // the switch body
  s[n++] = {{504, 42, 576, 114}, black, false};
  s[n++] = {{516, 45, 525, 111}, dark_grey, false};  // the switch frame
  s[n++] = {{516, 45, 564, 54}, dark_grey, false};
  s[n++] = {{555, 45, 564, 111}, dark_grey, false};
  s[n++] = {{516, 102, 564, 111}, dark_grey, false};
  for (int k = 0; k < 6; ++k) s[n++] = {{75 + 39 * k, 69, 105 + 39 * k, 99}, dark_grey, false};  // key caps
  s[n++] = {{60, 133, 120, 150}, dark_grey, true};
  s[n++] = {{510, 133, 570, 150}, dark_grey, true};
  return s;
}();

inline constexpr std::array<Line, 8> lines = [] {
  std::array<Line, 8> l{};
  l[0] = {12, 513, 24, 3, rule_grey};  // the rule under the name plate, with a gap for "POWER"
  l[1] = {567, 618, 24, 3, rule_grey};
  for (int k = 0; k < 6; ++k) l[2 + k] = {492, 510, 70 + 3 * k, 3, lamp_green};  // the lamp
  return l;
}();

// The pixels a line covers at `dpi`: its pen is the line's width scaled, with round ends.
inline RECT reach(const Line& l, UINT dpi) {
  const int half = scaled(l.width, dpi) / 2;
  return {scaled(l.x1, dpi) - half, scaled(l.y, dpi) - half, scaled(l.x2, dpi) + half + 1,
          scaled(l.y, dpi) + half + 1};
}

inline constexpr std::array<Label, 12> labels = [] {
  std::array<Label, 12> t{};
  int n = 0;
  t[n++] = {190, 2, L"KYZ-424  INFORMATION SCROLLER", rule_grey, face};
  t[n++] = {480, 42, L"ON", rule_grey, face};
  t[n++] = {477, 99, L"OFF", rule_grey, face};
  t[n++] = {519, 18, L"POWER", rule_grey, face};
  t[n++] = {69, 48, L"MENU", rule_grey, face};
  constexpr const wchar_t* arrows[] = {L" ←", L" →", L" ↑", L" ↓"};
  for (int k = 0; k < 4; ++k) t[n++] = {114 + 39 * k, 48, arrows[k], rule_grey, face};
  t[n++] = {265, 48, L"ENTER", rule_grey, face};
  t[n++] = {534, 60, L"\u0399", white, switch_body};  // the switch's "on" mark
  t[n++] = {534, 81, L"\u25CB", white, switch_body};  // the switch's "off" mark
  return t;
}();

// The line below the face: "File Name " followed by the data file's path, on the
// window's own background.
inline constexpr int file_name_x = 150;
inline constexpr int file_name_y = 132;
inline constexpr COLORREF file_name_colour = rule_grey;
inline constexpr const wchar_t* file_name_words = L"File Name ";

}  // namespace kyz::panel
