// The front panel at 100, 125, 150 and 200 % (96, 120, 144 and 192 DPI), painted into a
// memory bitmap the size of the client area the main window gets at that scale: nothing
// is drawn outside it, every text is drawn on its backdrop clear of the other parts, each
// part shows its colour where the layout puts it, and the file name follows its words.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "dialogs/dpi_scaling.h"
#include "dialogs/front_panel.h"
#include "dialogs/front_panel_layout.h"

namespace kyz {
namespace {

constexpr UINT dpis[] = {96, 120, 144, 192};
constexpr COLORREF background = RGB(255, 255, 255);

// kyz424lx's frame at 96 DPI (kyz424's is taller), scaled as the programs scale it.
SIZE client_area(UINT dpi) {
  const SIZE layout = layout_client_size({640, 200}, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
  return {scaled(layout.cx, dpi), scaled(layout.cy, dpi)};
}

bool overlap(const RECT& a, const RECT& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}
bool inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}
std::string text_of(const RECT& r) {
  return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ")-(" +
         std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
}

// The panel painted on the window's white background, with room to spare right of and
// below the client area.
class PaintedPanel {
 public:
  PaintedPanel(UINT dpi, PanelShapes style, const std::string& path = "") : dpi_(dpi), client_(client_area(dpi)) {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, width(), height());
    ReleaseDC(nullptr, screen);
    old_ = SelectObject(dc_, bitmap_);
    RECT all{0, 0, width(), height()};
    FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    paint_front_panel(dc_, path, style, dpi);
  }
  ~PaintedPanel() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  PaintedPanel(const PaintedPanel&) = delete;
  PaintedPanel& operator=(const PaintedPanel&) = delete;

  int width() const { return client_.cx + 60; }
  int height() const { return client_.cy + 60; }
  const SIZE& client() const { return client_; }
  COLORREF at(POINT p) const { return GetPixel(dc_, p.x, p.y); }
  int count(COLORREF colour, const RECT& r) const {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) n += at({x, y}) == colour;
    }
    return n;
  }
  // Where a text of the panel lies, measured in the panel's font at this scale.
  RECT text_box(int x, int y, const std::wstring& text) const {
    const HFONT font = create_panel_font(dpi_);
    const HGDIOBJ old = SelectObject(dc_, font);
    SIZE size{};
    GetTextExtentPoint32W(dc_, text.data(), static_cast<int>(text.size()), &size);
    SelectObject(dc_, old);
    DeleteObject(font);
    const int left = scaled(x, dpi_), top = scaled(y, dpi_);
    return {left, top, left + size.cx, top + size.cy};
  }

 private:
  UINT dpi_;
  SIZE client_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

TEST(FrontPanel, DrawsNothingOutsideTheClientArea) {
  for (UINT dpi : dpis) {
    for (PanelShapes style : {PanelShapes::outlined_in_colour, PanelShapes::filled_with_outlined_feet}) {
      const PaintedPanel p(dpi, style);
      int outside = 0;
      for (int y = 0; y < p.height(); ++y) {
        for (int x = 0; x < p.width(); ++x) {
          if (x >= p.client().cx || y >= p.client().cy) outside += p.at({x, y}) != background;
        }
      }
      EXPECT_EQ(outside, 0) << dpi << " DPI: pixels painted outside the client area " << p.client().cx
                            << " x " << p.client().cy;
    }
  }
}

TEST(FrontPanel, EveryTextIsDrawnOnItsBackdropClearOfTheOtherParts) {
  for (UINT dpi : dpis) {
    const PaintedPanel p(dpi, PanelShapes::outlined_in_colour);
    const RECT client{0, 0, p.client().cx, p.client().cy};
    struct Text {
      std::wstring text;
      RECT box;
      COLORREF colour;
      int backdrop;  // -1: the window's background
    };
    std::vector<Text> texts;
    for (const panel::Label& l : panel::labels) {
      texts.push_back({l.text, p.text_box(l.x, l.y, l.text), l.colour, l.backdrop});
    }
    texts.push_back({panel::file_name_words,
                     p.text_box(panel::file_name_x, panel::file_name_y, panel::file_name_words),
                     panel::file_name_colour, -1});
    for (std::size_t i = 0; i < texts.size(); ++i) {
      const Text& t = texts[i];
      const std::string what = std::to_string(dpi) + " DPI, text " + std::to_string(i) + " at " + text_of(t.box);
      EXPECT_GT(p.count(t.colour, t.box), 0) << what << " is not drawn there";
      EXPECT_TRUE(inside(t.box, client)) << what;
      if (t.backdrop >= 0) {
        EXPECT_TRUE(inside(t.box, scaled(panel::shapes[t.backdrop].box, dpi))) << what;
      }
      for (std::size_t s = t.backdrop + 1; s < panel::shapes.size(); ++s) {
        EXPECT_FALSE(overlap(t.box, scaled(panel::shapes[s].box, dpi))) << what << " covers shape " << s;
      }
      for (std::size_t l = 0; l < panel::lines.size(); ++l) {
        EXPECT_FALSE(overlap(t.box, panel::reach(panel::lines[l], dpi))) << what << " covers line " << l;
      }
      for (std::size_t j = i + 1; j < texts.size(); ++j) {
        EXPECT_FALSE(overlap(t.box, texts[j].box)) << what << " covers text " << j;
      }
    }
  }
}

// The middle of each shape and line shows the colour of the last part drawn there.
TEST(FrontPanel, EachPartShowsItsColourWhereTheLayoutPutsIt) {
  for (UINT dpi : dpis) {
    for (PanelShapes style : {PanelShapes::outlined_in_colour, PanelShapes::filled_with_outlined_feet}) {
      const PaintedPanel p(dpi, style);
      auto contains = [](const RECT& r, POINT q) {
        return q.x >= r.left && q.x < r.right && q.y >= r.top && q.y < r.bottom;
      };
      auto expected_at = [&](POINT q) {
        COLORREF colour = background;
        for (const panel::Shape& s : panel::shapes) {
          const bool stock_foot = s.foot && style == PanelShapes::filled_with_outlined_feet;
          if (contains(scaled(s.box, dpi), q)) colour = stock_foot ? panel::stock_dark_grey : s.colour;
        }
        for (const panel::Line& l : panel::lines) {
          if (contains(panel::reach(l, dpi), q)) colour = l.colour;
        }
        return colour;
      };
      std::vector<POINT> middles;
      for (const panel::Shape& s : panel::shapes) {
        const RECT r = scaled(s.box, dpi);
        middles.push_back({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
      }
      for (const panel::Line& l : panel::lines) {
        middles.push_back({scaled((l.x1 + l.x2) / 2, dpi), scaled(l.y, dpi)});
      }
      for (const POINT q : middles) {
        bool under_text = false;
        for (const panel::Label& l : panel::labels) under_text |= contains(p.text_box(l.x, l.y, l.text), q);
        if (under_text) continue;
        EXPECT_EQ(p.at(q), expected_at(q)) << dpi << " DPI, at (" << q.x << ", " << q.y << ")";
      }
    }
  }
}

TEST(FrontPanel, ShowsTheDataFileAfterTheWordsFileName) {
  for (UINT dpi : dpis) {
    const PaintedPanel none(dpi, PanelShapes::outlined_in_colour);
    const PaintedPanel named(dpi, PanelShapes::outlined_in_colour, "C:\\sign settings\\hall.dat");
    const RECT words = none.text_box(panel::file_name_x, panel::file_name_y, panel::file_name_words);
    const RECT& right_foot = panel::shapes.back().box;
    int differing = 0;
    for (int y = words.top; y < words.bottom; ++y) {
      for (int x = words.left; x < scaled(right_foot.left, dpi); ++x) {
        differing += none.at({x, y}) != named.at({x, y});
        if (x < words.right) {
          EXPECT_EQ(none.at({x, y}), named.at({x, y})) << dpi << " DPI: the words differ";
        }
      }
    }
    EXPECT_GT(differing, 0) << dpi << " DPI: no file name after the words";
  }
}

}  // namespace
}  // namespace kyz
