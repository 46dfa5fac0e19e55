#include <gtest/gtest.h>

#include <string>

#include "core/protocol/jis_conversion.h"
#include "core/protocol/title_command.h"
#include "tests/unit/protocol_test_support.h"

namespace kyz {
namespace {

std::string times(int n, const std::string& s) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

const std::string a = "\x82\xa0";   // あ
const std::string i_ = "\x82\xa2";  // い

TEST(TitleCommand, PaddedToNinetyEightFullWidthCharacters) {
  EXPECT_EQ(title_command("", 0, true).value(), "CA01" + times(98, "2121") + "\r\n");
  EXPECT_EQ(title_command(a + i_, 11, false).value(),
            "CN1224222424" + times(96, "2121") + "\r\n");
  const std::string text = title_command(times(98, a), 31, true).value();
  EXPECT_EQ(text.size(), title_command_length);
  EXPECT_EQ(text, "CA32" + times(98, "2422") + "\r\n");  // no padding added
}

TEST(TitleCommand, TitlesThatCannotBeSentAreRefused) {
  EXPECT_FALSE(title_command("A", 0, true));           // one ASCII letter
  EXPECT_FALSE(title_command(a + "A", 0, true));       // odd length
  EXPECT_FALSE(title_command("AB", 0, true));          // single-byte characters in a pair
  EXPECT_FALSE(title_command(times(99, a), 0, true));  // 198 bytes
  EXPECT_FALSE(title_command("\xF0\x40", 0, true));  // user-defined area
  EXPECT_FALSE(title_command("\xFA\x4A", 0, true));  // IBM extension without a JIS place
}

TEST(TitleCommand, PairsOutsideShiftJisAreRefusedNotGuessed) {
  EXPECT_FALSE(title_command(a + "\x82\x20", 0, true));  // trail byte below 0x40
  EXPECT_FALSE(title_command(a + "\x82\x7F", 0, true));  // 0x7F is no trail byte
  EXPECT_FALSE(title_command(a + "\x82\xFD", 0, true));  // above 0xFC
  EXPECT_FALSE(title_command("\xA0\xA0", 0, true));      // half-width kana pair
  EXPECT_FALSE(title_command("A\x82", 0, true));         // lead byte at the end
}

TEST(JisConversion, StandardArithmeticAndTheIbmExtensions) {
  EXPECT_EQ(title_char_to_jis(0x8140), 0x2121);  // full-width space
  EXPECT_EQ(title_char_to_jis(0x82A0), 0x2422);
  EXPECT_EQ(title_char_to_jis(0x889F), 0x3021);  // 亜, first kanji of level 1
  EXPECT_EQ(title_char_to_jis(0x9FFC), 0x5E7E);
  EXPECT_EQ(title_char_to_jis(0xEAA4), 0x7426);  // last kanji of level 2
  EXPECT_EQ(title_char_to_jis(0xFA40), 0x7C71);  // small Roman numeral one
  EXPECT_EQ(title_char_to_jis(0xFA49), 0x7C7A);
  EXPECT_EQ(title_char_to_jis(0xFA55), 0x7C7C);
  EXPECT_EQ(title_char_to_jis(0xFA57), 0x7C7E);
  EXPECT_EQ(title_char_to_jis(0xFA5C), 0x7921);
  EXPECT_EQ(title_char_to_jis(0xED40), 0x7921);  // NEC-selected form of the same
  EXPECT_EQ(title_char_to_jis(0xEEFC), 0x7C7E);
  EXPECT_EQ(title_char_to_jis(0xFA58), 0);
  EXPECT_EQ(title_char_to_jis(0xFC4C), 0);

  EXPECT_EQ(ibm_to_nec_selected(0xFA5C), 0xED40);
  EXPECT_EQ(ibm_to_nec_selected(0xFA80), 0xED63);
  EXPECT_EQ(ibm_to_nec_selected(0xFB40), 0xEDE1);
  EXPECT_EQ(ibm_to_nec_selected(0xFC4B), 0xEEEC);
  EXPECT_EQ(ibm_to_nec_selected(0xFA7F), 0);

  // Every JIS code of rows 0x21..0x7E comes back from its Shift-JIS form.
  for (unsigned j1 = 0x21; j1 <= 0x7E; ++j1) {
    for (unsigned j2 = 0x21; j2 <= 0x7E; ++j2) {
      const auto code = static_cast<std::uint16_t>(j1 << 8 | j2);
      ASSERT_EQ(sjis_to_jis(jis_to_sjis(code)), code) << std::hex << code;
    }
  }
  EXPECT_EQ(jis_to_sjis(0x2422), 0x82A0);
  EXPECT_EQ(jis_to_sjis(0x7F21), 0);
  EXPECT_EQ(jis_to_sjis(0x2420), 0);
}

// The IBM extension kanji 0xFA5C..0xFC4B are the NEC-selected ones 0xED40..0xEEEC in
// the same order: walking both areas character by character (trail bytes 0x40..0x7E,
// 0x80..0xFC) must pair them one to one, so every row and range edge is checked.
TEST(JisConversion, IbmKanjiPairWithTheNecSelectedAreaInOrder) {
  auto next = [](unsigned c) {
    unsigned lead = c >> 8;
    unsigned trail = (c & 0xFF) + 1;
    if (trail == 0x7F) trail = 0x80;
    if (trail > 0xFC) {
      ++lead;
      trail = 0x40;
    }
    return lead << 8 | trail;
  };
  unsigned ibm = 0xFA5C;
  unsigned nec = 0xED40;
  int pairs = 0;
  for (; ibm <= 0xFC4B; ibm = next(ibm), nec = next(nec), ++pairs) {
    ASSERT_EQ(ibm_to_nec_selected(static_cast<std::uint16_t>(ibm)), nec) << std::hex << ibm;
    ASSERT_EQ(title_char_to_jis(static_cast<std::uint16_t>(ibm)),
              sjis_to_jis(static_cast<std::uint16_t>(nec)))
        << std::hex << ibm;
  }
  EXPECT_EQ(nec, next(0xEEEC));
  EXPECT_EQ(pairs, 360);
  // Just outside the mapped rows nothing converts.
  for (const unsigned c : {0xFA7Fu, 0xFAFDu, 0xFB3Fu, 0xFB7Fu, 0xFBFDu, 0xFC3Fu, 0xFC4Cu}) {
    EXPECT_EQ(ibm_to_nec_selected(static_cast<std::uint16_t>(c)), 0) << std::hex << c;
  }
}

class TitleSends : public test::ProtocolTest {};

TEST_F(TitleSends, StagedTitleIsSentAndRefusalStopsTheSend) {
  settings.title[4] = a;
  ASSERT_EQ(prepare_title(4), 1);
  EXPECT_EQ(title_text_command(1, 4), 0);
  ASSERT_EQ(links.serial.size(), 1u);
  EXPECT_EQ(links.serial[0].substr(0, 8), "CA052422");

  settings.title[5] = "A";
  EXPECT_EQ(prepare_title(5), 0);
  EXPECT_EQ(title_text_command(1, 5), 1);  // the failed prepare also stops this
  EXPECT_EQ(links.serial.size(), 1u);
}

TEST_F(TitleSends, TitleButtonsShowTheRefusalAndDoNothingDuringASequence) {
  settings.current_page = 2;
  settings.title[2] = "\xF0\x40";
  send_current_title(true);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "ＪＩＳ第１水準,第２水準以外の字が選択されてます");
  EXPECT_EQ(boxes.boxes[0].kind, BoxKind::warning);
  EXPECT_TRUE(links.serial.empty());

  settings.title[2] = a;
  sequence_step = 3;
  send_current_title(false);
  EXPECT_TRUE(links.serial.empty());
  sequence_step = 0;
  send_current_title(false);
  ASSERT_EQ(links.serial.size(), 1u);
  EXPECT_EQ(links.serial[0].substr(0, 4), "CN03");

  // A page number the record does not have is refused, not read from elsewhere.
  boxes.boxes.clear();
  settings.current_page = 32;
  send_current_title(true);
  EXPECT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(links.serial.size(), 1u);
}

TEST(TitleReply, DecodesAndReplacesThePageTitle) {
  SettingsRecord r;
  r.title[4] = times(20, i_);
  title_reply_decoder("CA052422" + times(97, "2121") + "\r\n", r);
  EXPECT_EQ(r.title[4], a);

  title_reply_decoder("CA05" + times(98, "2121") + "\r\n", r);
  EXPECT_EQ(r.title[4], "");

  // A code above 0x7C7E becomes a space, trimmed at the end.
  title_reply_decoder("CA0124227D21" + times(96, "2121") + "\r\n", r);
  EXPECT_EQ(r.title[0], a);
  title_reply_decoder("CA017D212422" + times(96, "2121") + "\r\n", r);
  EXPECT_EQ(r.title[0], "\x81\x40" + a);

  // Title and command agree in both directions.
  const std::string text = "\x88\x9f" + a + "\xfa\x40";
  const std::string command = title_command(text, 6, true).value();
  title_reply_decoder(command, r);
  EXPECT_EQ(r.title[6], "\x88\x9f" + a + "\xee\xef");  // 0xFA40 returns in its NEC-selected form
}

TEST(TitleReply, DamagedRepliesNeverReachBeyondTheLineOrTheRecord) {
  SettingsRecord r;
  r.title[1] = a;
  title_reply_decoder("CA", r);
  title_reply_decoder("CA00" + times(98, "2422"), r);  // no page 0
  title_reply_decoder("CA33" + times(98, "2422"), r);  // no page 33
  title_reply_decoder("CA9Z2422", r);
  for (int p = 0; p < 32; ++p) EXPECT_EQ(r.title[p], p == 1 ? a : "") << p;

  // Short reply: what arrived is decoded, the rest counts as spaces.
  title_reply_decoder("CA0224222424\r\n", r);
  EXPECT_EQ(r.title[1], a + i_);
  // A half code before the line ends is dropped.
  title_reply_decoder("CA02242224\r\n", r);
  EXPECT_EQ(r.title[1], a);
  // Lower case is no digit the sign writes: decoding stops there.
  title_reply_decoder("CA0224222a24" + times(96, "2424"), r);
  EXPECT_EQ(r.title[1], a);
  // A code with no Shift-JIS form ends the text.
  title_reply_decoder("CA02242200002424", r);
  EXPECT_EQ(r.title[1], a);
  // More digits than a reply holds are not read.
  title_reply_decoder("CA02" + times(98, "2422") + "2424", r);
  EXPECT_EQ(r.title[1], times(98, a));
}

}  // namespace
}  // namespace kyz
