// The front panel painted into a memory bitmap: every shape where the panel puts it, in
// its colour and no further, and each text in its colour at its place. Fonts differ, so
// texts are checked for having pixels of their colour in the area they start in.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "dialogs/front_panel.h"

namespace kyz {
namespace {

constexpr COLORREF face = RGB(255, 255, 204);
constexpr COLORREF black = RGB(0, 0, 0);
constexpr COLORREF frame = RGB(34, 34, 34);
constexpr COLORREF grey = RGB(80, 80, 80);
constexpr COLORREF green = RGB(0, 255, 0);
constexpr COLORREF white = RGB(255, 255, 255);

// The client area's first 640 x 160 pixels on the window's white background.
class PaintedPanel {
 public:
  explicit PaintedPanel(const std::string& data_file_path) {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, 640, 160);
    ReleaseDC(nullptr, screen);
    old_ = SelectObject(dc_, bitmap_);
    RECT all{0, 0, 640, 160};
    FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    paint_front_panel(dc_, data_file_path);
  }
  ~PaintedPanel() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  PaintedPanel(const PaintedPanel&) = delete;
  PaintedPanel& operator=(const PaintedPanel&) = delete;

  COLORREF at(int x, int y) const { return GetPixel(dc_, x, y); }
  // How many pixels of `colour` lie in [left, right) x [top, bottom).
  int count(COLORREF colour, int left, int top, int right, int bottom) const {
    int n = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) n += GetPixel(dc_, x, y) == colour;
    }
    return n;
  }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

#define EXPECT_PIXEL(panel, x, y, colour) \
  EXPECT_EQ((panel).at(x, y), colour) << "at (" << (x) << ", " << (y) << ")"

TEST(FrontPanel, ShapesLieWithinTheirRectanglesInTheirColours) {
  const PaintedPanel p("");
  // The face, up to but not including (630, 132).
  EXPECT_PIXEL(p, 0, 0, face);
  EXPECT_PIXEL(p, 629, 131, face);
  EXPECT_PIXEL(p, 630, 100, white);
  EXPECT_PIXEL(p, 300, 132, white);
  // The power switch body, two black rectangles.
  EXPECT_PIXEL(p, 486, 60, black);
  EXPECT_PIXEL(p, 488, 93, black);
  EXPECT_PIXEL(p, 485, 80, face);
  EXPECT_PIXEL(p, 504, 42, black);
  EXPECT_PIXEL(p, 575, 113, black);
  EXPECT_PIXEL(p, 576, 100, face);
  EXPECT_PIXEL(p, 540, 114, face);
  // The switch frame: left, top, right and bottom bars around a black inside.
  EXPECT_PIXEL(p, 520, 100, frame);
  EXPECT_PIXEL(p, 540, 48, frame);
  EXPECT_PIXEL(p, 560, 80, frame);
  EXPECT_PIXEL(p, 540, 106, frame);
  EXPECT_PIXEL(p, 553, 56, black);
  // Six key caps and the gaps between them.
  for (int k = 0; k < 6; ++k) {
    EXPECT_PIXEL(p, 75 + 39 * k, 69, frame);
    EXPECT_PIXEL(p, 104 + 39 * k, 98, frame);
    EXPECT_PIXEL(p, 105 + 39 * k, 84, face);
    EXPECT_PIXEL(p, 90 + 39 * k, 99, face);
  }
  // Two feet below the face.
  EXPECT_PIXEL(p, 60, 133, frame);
  EXPECT_PIXEL(p, 119, 149, frame);
  EXPECT_PIXEL(p, 120, 140, white);
  EXPECT_PIXEL(p, 510, 133, frame);
  EXPECT_PIXEL(p, 569, 149, frame);
  EXPECT_PIXEL(p, 540, 150, white);
}

TEST(FrontPanel, RuleAndLampStripesAreThreePixelLines) {
  const PaintedPanel p("");
  for (int x : {12, 300, 512, 567, 617}) {
    EXPECT_PIXEL(p, x, 23, grey);
    EXPECT_PIXEL(p, x, 25, grey);
    EXPECT_PIXEL(p, x, 27, face);
  }
  EXPECT_PIXEL(p, 516, 24, face);  // the gap for "POWER"
  for (int k = 0; k < 6; ++k) {
    EXPECT_PIXEL(p, 495, 70 + 3 * k, green);
    EXPECT_PIXEL(p, 508, 70 + 3 * k, green);
  }
  EXPECT_PIXEL(p, 495, 66, black);
  EXPECT_PIXEL(p, 495, 89, black);
}

TEST(FrontPanel, TextsStartAtTheirPlacesInTheirColours) {
  const PaintedPanel p("");
  struct Text {
    const char* what;
    COLORREF colour;
    int left, top, right, bottom;
  };
  const Text texts[] = {
      {"KYZ-424  INFORMATION SCROLLER", grey, 190, 2, 240, 20},
      {"ON", grey, 480, 42, 500, 58},
      {"OFF", grey, 477, 99, 504, 115},
      {"POWER", grey, 519, 18, 560, 34},
      {"MENU", grey, 69, 48, 100, 64},
      {"ENTER", grey, 265, 48, 300, 64},
      {"File Name", grey, 150, 132, 200, 150},
      {"the on mark", white, 530, 60, 556, 79},
      {"the off mark", white, 530, 81, 556, 101},
  };
  for (const Text& t : texts) {
    EXPECT_GT(p.count(t.colour, t.left, t.top, t.right, t.bottom), 0) << t.what;
  }
  for (int k = 0; k < 4; ++k) {
    EXPECT_GT(p.count(grey, 114 + 39 * k, 48, 114 + 39 * k + 36, 64), 0) << "arrow " << k;
  }
}

TEST(FrontPanel, ShowsTheDataFileAfterTheWordsFileName) {
  const PaintedPanel none("");
  EXPECT_EQ(none.count(grey, 260, 132, 505, 150), 0);
  const PaintedPanel named("C:\\sign settings\\the main hall of the station.dat");
  EXPECT_GT(named.count(grey, 260, 132, 505, 150), 0);
}

}  // namespace
}  // namespace kyz
