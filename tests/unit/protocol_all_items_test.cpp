#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/protocol/all_items.h"
#include "core/protocol/readback.h"
#include "tests/unit/protocol_test_support.h"

namespace kyz {
namespace {

// The setting steps (34..53) each begin with the expected text.
void expect_setting_order(const std::vector<AllItemsCommand>& commands,
                          const std::vector<std::string>& starts) {
  ASSERT_EQ(commands.size(), 32 + starts.size());
  for (std::size_t i = 0; i < starts.size(); ++i) {
    EXPECT_TRUE(commands[32 + i].text.starts_with(starts[i]))
        << "step " << commands[32 + i].step << ": " << commands[32 + i].text;
  }
}

TEST(AllItems, SettingCommandsFollowTheTitlesInEachProgramsOrder) {
  SettingsRecord r;
  reset_settings(r);
  const auto lx = all_items_commands(r, Edition::lx);
  ASSERT_EQ(lx.size(), 52u);
  EXPECT_EQ(lx[0].text.substr(0, 4), "CA01");
  EXPECT_EQ(lx[31].text.substr(0, 4), "CA32");
  EXPECT_EQ(lx[32].step, 34);
  const std::vector<std::string> lx_order = {
      "PTSS", "P01", "PTWL", "PTFB", "PTIC", "PTDP", "PVT08", "PVB08", "PTSP", "TSDS",
      "TSR1", "SDTT", "SDPT", "CIA", "AMI", "AICM", "ADT", "ARB", "RMBCD", "ACA"};
  expect_setting_order(lx, lx_order);

  std::vector<std::string> mfc_order = lx_order;
  std::swap(mfc_order[11], mfc_order[12]);
  mfc_order[19] = "RCA";
  expect_setting_order(all_items_commands(r, Edition::mfc), mfc_order);
}

TEST(AllItems, RefusedStepsCarryTheirMessageAndBox) {
  SettingsRecord r;
  reset_settings(r);
  r.title[9] = "A";
  r.char_color[3] = r.border_color[3] = colour_blank;
  const AllItemsCommand title = all_items_step(10, r, Edition::lx);
  EXPECT_TRUE(title.text.empty());
  EXPECT_EQ(title.refusal, "ＪＩＳ第１水準,第２水準以外の字が選択されてます");
  const AllItemsCommand colour = all_items_step(38, r, Edition::mfc);
  EXPECT_TRUE(colour.text.empty());
  EXPECT_EQ(colour.refusal, "Miss! Can't Set");
  EXPECT_EQ(colour.refusal_box, BoxKind::error);
  EXPECT_EQ(all_items_step(38, r, Edition::lx).refusal_box, BoxKind::warning);
  // The pause and steps outside the sequence send nothing and refuse nothing.
  for (int step : {0, 33, 54}) {
    const AllItemsCommand none = all_items_step(step, r, Edition::lx);
    EXPECT_TRUE(none.text.empty() && none.refusal.empty()) << step;
  }
}

class AllItemsSend : public test::ProtocolTest {};

TEST_F(AllItemsSend, ARefusedStepShowsItsMessageAndTheNextOneSends) {
  settings.char_color[0] = settings.border_color[0] = colour_blank;
  send_all_items_step(38);
  send_all_items_step(39);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "Miss! Can't Set");
  ASSERT_EQ(links.serial.size(), 1u);
  EXPECT_EQ(links.serial[0].substr(0, 4), "PTDP");
}

TEST(ReadBackRequests, OrderAndTheRepeatedLastRequest) {
  const auto serial = readback_requests(Edition::lx, false);
  ASSERT_EQ(serial.size(), 53u);
  EXPECT_EQ(serial[0], "RCA01\r\n");
  EXPECT_EQ(serial[8], "RCA09\r\n");
  EXPECT_EQ(serial[9], "RCA10\r\n");
  EXPECT_EQ(serial[32], "RACA\r\n");
  EXPECT_EQ(serial[38], "RP\r\n");
  EXPECT_EQ(serial[52], "RTSR\r\n");

  const auto tcp = readback_requests(Edition::lx, true);
  ASSERT_EQ(tcp.size(), 54u);
  EXPECT_EQ(tcp[52], "RTSR\r\n");
  EXPECT_EQ(tcp[53], "RTSR\r\n");

  EXPECT_EQ(readback_requests(Edition::mfc, true), serial);
}

// The sign answers each request in turn; a swapped pair would still be answered, so
// only the whole list catches it.
TEST(ReadBackRequests, SettingRequestsFollowTheTitlesInTheirFixedOrder) {
  const std::vector<std::string> settings_asked = {
      "RACA",  "RADT",  "RAIC", "RAM",  "RAR",  "RCI",   "RP",    "RPTDP", "RPTFB", "RPTIC", "RPTSP",
      "RPTSS", "RPTWL", "RPVB", "RPVT", "RRCA", "RRM",   "RSDPT", "RSDTT", "RTSD",  "RTSR"};
  const auto requests = readback_requests(Edition::lx, false);
  ASSERT_EQ(requests.size(), 32 + settings_asked.size());
  for (int page = 1; page <= 32; ++page) {
    const std::string expected = std::string("RCA") + (page < 10 ? "0" : "") +
                                 std::to_string(page) + "\r\n";
    EXPECT_EQ(requests[page - 1], expected);
  }
  for (std::size_t i = 0; i < settings_asked.size(); ++i) {
    EXPECT_EQ(requests[32 + i], settings_asked[i] + "\r\n") << "step " << 33 + i;
  }
}

}  // namespace
}  // namespace kyz
