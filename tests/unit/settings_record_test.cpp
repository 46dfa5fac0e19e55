#include <gtest/gtest.h>

#include "core/settings/settings_record.h"

namespace kyz {
namespace {

class EditionGuard {
 public:
  explicit EditionGuard(Edition e) : saved_(edition) { edition = e; }
  ~EditionGuard() { edition = saved_; }

 private:
  Edition saved_;
};

TEST(ResetSettings, PutsEveryStoredFieldToItsDefaultAndKeepsTransientChoices) {
  EditionGuard lx(Edition::lx);
  SettingsRecord r;
  r.char_color.fill(3);
  r.title[31] = "x";
  r.schedule_page[31] = {1, 2, 3, 4};
  r.schedule_hour[31] = {0, 0, 0, 0};
  r.terminal_page.fill(32);
  r.modified = 1;
  r.data_file_path = "a.dat";
  r.current_page = 5;
  r.page_group = 2;
  r.schedule_day = 9;
  r.scroll_stop = 1;
  r.display_off = 1;

  reset_settings(r);

  for (int p : {0, 31}) {
    EXPECT_EQ(r.char_color[p], 7);
    EXPECT_EQ(r.border_color[p], 0);
    EXPECT_EQ(r.char_level[p], 1);
    EXPECT_EQ(r.scroll_speed[p], 2);
    EXPECT_EQ(r.background_fill[p], 0);
    EXPECT_EQ(r.sequence_page[p], 1);
    EXPECT_EQ(r.display_position[p], 0);
    EXPECT_TRUE(r.title[p].empty());
  }
  EXPECT_EQ(r.schedule_hour[31], (std::array<int, 4>{9, 12, 15, 18}));
  EXPECT_EQ(r.schedule_page[31], (std::array<int, 4>{33, 33, 33, 33}));
  EXPECT_EQ(r.top_value, 8);
  EXPECT_EQ(r.bottom_value, 8);
  EXPECT_EQ(r.clock_size, 1);
  EXPECT_EQ(r.clock_range, 0);
  EXPECT_EQ(r.alarm_hold_time, 30);
  EXPECT_EQ(r.alarm_return, 1);
  for (int k = 0; k < 8; ++k) EXPECT_EQ(r.terminal_page[k], k);
  EXPECT_EQ(r.modified, 0);
  EXPECT_TRUE(r.data_file_path.empty());
  EXPECT_EQ(r.current_page, 5);
  EXPECT_EQ(r.page_group, 2);
  EXPECT_EQ(r.schedule_day, 9);
  EXPECT_EQ(r.scroll_stop, 1);
  EXPECT_EQ(r.display_off, 1);
}

TEST(ResetSettings, Kyz424LeavesClockSizeAndRangeAlone) {
  EditionGuard mfc(Edition::mfc);
  SettingsRecord r;
  r.clock_size = 2;
  r.clock_range = 5;
  reset_settings(r);
  EXPECT_EQ(r.clock_size, 2);
  EXPECT_EQ(r.clock_range, 5);
  EXPECT_EQ(r.top_value, 8);
}

TEST(CutSjis, NeverSplitsADoubleByteCharacter) {
  const std::string a = "\x82\xa0";  // あ
  std::string text;
  for (int i = 0; i < 100; ++i) text += a;  // 200 bytes
  EXPECT_EQ(cut_sjis(text, 199).size(), 198u);
  EXPECT_EQ(cut_sjis("A" + text, 199).size(), 199u);
  EXPECT_EQ(cut_sjis(text, 200), text);
  // A lone lead byte at the end counts as a whole character.
  EXPECT_EQ(cut_sjis("AB\x82", 3), "AB\x82");
  EXPECT_EQ(cut_sjis("AB\x82\xa0", 3), "AB");
}

}  // namespace
}  // namespace kyz
