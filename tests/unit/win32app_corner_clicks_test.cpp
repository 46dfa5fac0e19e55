#include <gtest/gtest.h>

#include "dialogs/corner_clicks.h"

namespace kyz {
namespace {

// Clicks `n` times at (x, y); true when any of them completed the gesture.
bool click(CornerClicks& c, int n, std::uint16_t x = 5, std::uint16_t y = 5) {
  bool opened = false;
  for (int i = 0; i < n; ++i) opened = c.record(x, y) || opened;
  return opened;
}

TEST(CornerClicks, TenInARowOpenOnTheTenthAndStartAgain) {
  CornerClicks c;
  EXPECT_FALSE(click(c, 9));
  EXPECT_TRUE(c.record(5, 5));
  EXPECT_FALSE(click(c, 9));  // the count starts from zero after opening
  EXPECT_TRUE(c.record(0, 0));
}

TEST(CornerClicks, AClickElsewhereStartsTheCountAgain) {
  CornerClicks c;
  EXPECT_FALSE(click(c, 9));
  EXPECT_FALSE(c.record(300, 100));
  EXPECT_FALSE(click(c, 9));
  EXPECT_TRUE(c.record(5, 5));
}

TEST(CornerClicks, TheSquareIsTwentyPixelsFromTheScreenCorner) {
  CornerClicks c;
  EXPECT_FALSE(click(c, 9, 19, 19));
  EXPECT_TRUE(c.record(19, 0));
  EXPECT_FALSE(click(c, 9));
  EXPECT_FALSE(c.record(20, 5));  // x = 20 is outside
  EXPECT_FALSE(click(c, 9));
  EXPECT_FALSE(c.record(5, 20));
}

TEST(CornerClicks, NegativeCoordinatesAndKeyboardRequestsCountAsOutside) {
  CornerClicks c;
  // A monitor left of or above the primary one gives negative positions, carried as
  // large unsigned 16-bit values; a keyboard request carries (-1, -1).
  EXPECT_FALSE(click(c, 9));
  EXPECT_FALSE(c.record(static_cast<std::uint16_t>(-3), 5));
  EXPECT_FALSE(click(c, 9));
  EXPECT_FALSE(c.record(0xFFFF, 0xFFFF));
  EXPECT_FALSE(click(c, 9));
  EXPECT_TRUE(c.record(5, 5));
}

// kyz424's frame: only a click right of or below the square starts the count again.
TEST(CornerClicks, SignedPositionsLeftOfOrAboveTheCornerCountAsInTheSquare) {
  const struct {
    int x, y;
    bool counts;
  } clicks[] = {{-3, 5, true},  {5, -200, true}, {-1, -1, true},
                {19, 19, true}, {20, 5, false},  {5, 20, false}};
  for (const auto& click : clicks) {
    CornerClicks c;
    for (int i = 0; i < 9; ++i) c.record_signed(5, 5);
    EXPECT_EQ(c.record_signed(click.x, click.y), click.counts) << click.x << ", " << click.y;
  }
}

}  // namespace
}  // namespace kyz
