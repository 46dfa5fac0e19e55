#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/links/exchange_plans.h"
#include "core/links/paced_exchange.h"

namespace kyz {
namespace {

std::vector<ExchangeStep> three_steps() {
  return {{"CA01x\r\n", 0}, {"CA02x\r\n", 500}, {"PTSS\r\n", 100}};
}

TEST(PacedExchange, EachCommandWaitsForTheAnswerAndItsGapWhicheverComesLater) {
  PacedExchange exchange(three_steps(), AnswerKind::accepted, 3500);
  EXPECT_EQ(exchange.command_due(0), "CA01x\r\n");
  EXPECT_FALSE(exchange.command_due(10));  // its answer is due first
  exchange.received("GO\r\n", 40);
  EXPECT_FALSE(exchange.command_due(100));  // answered quickly: the gap still holds
  EXPECT_EQ(exchange.wait_ms(100), 400);
  EXPECT_EQ(exchange.command_due(500), "CA02x\r\n");
  exchange.received("G", 700);
  exchange.received("O\r", 850);
  EXPECT_FALSE(exchange.command_due(880));  // half an answer is none
  exchange.received("\n", 900);
  EXPECT_EQ(exchange.command_due(900), "PTSS\r\n");  // answered late: goes at once
  exchange.received("GO\r\n", 950);
  EXPECT_TRUE(exchange.succeeded());
  EXPECT_EQ(exchange.answered(), 3);
  EXPECT_EQ(exchange.elapsed_ms(), 950);
  EXPECT_EQ(exchange.wait_ms(1000), -1);
}

TEST(PacedExchange, AnythingButTheWantedAnswerStopsItNamingTheCommand) {
  struct Case {
    const char* what;
    std::vector<std::string> arrivals;  // each received at t = 10
    Millis lost_at;                     // link lost at this time, or 0
    Millis checked_at;                  // timeout checked at this time, or 0
    const char* failure;
  };
  const Case cases[] = {
      {"error reply", {"E3\r\n"}, 0, 0, "\"CA01x\" answered E3 (Command Error)"},
      {"mode error", {"GN\r\n"}, 0, 0, "answered GN (Mode Error)"},
      {"another reply", {"PTSS1\r\n"}, 0, 0, "answered something else: \"PTSS1\""},
      {"two answers", {"GO\r\nGO\r\n"}, 0, 0, "the sign sent \"GO\" when no answer was due"},
      {"flood", {std::string(1100, '#')}, 0, 0, "more than 1024 bytes without a line end"},
      {"silence", {}, 0, 3500, "no answer to \"CA01x\" within 3.5 s"},
      {"closed mid-answer", {"G"}, 20, 0, "closed in the middle of the answer to \"CA01x\" (received \"G\")"},
      {"closed before", {}, 20, 0, "closed while waiting for the answer to \"CA01x\""},
  };
  for (const Case& c : cases) {
    PacedExchange exchange(three_steps(), AnswerKind::accepted, 3500);
    ASSERT_TRUE(exchange.command_due(0));
    for (const std::string& bytes : c.arrivals) exchange.received(bytes, 10);
    if (c.lost_at) exchange.link_lost("closed", c.lost_at);
    if (c.checked_at) {
      exchange.check_timeout(c.checked_at - 1);
      EXPECT_FALSE(exchange.finished()) << c.what;
      exchange.check_timeout(c.checked_at);
    }
    EXPECT_TRUE(exchange.finished() && !exchange.succeeded()) << c.what;
    EXPECT_NE(exchange.failure().find(c.failure), std::string::npos) << c.what << ": " << exchange.failure();
    EXPECT_FALSE(exchange.command_due(5000)) << c.what;
  }
}

TEST(PacedExchange, ReadBackRepliesMustAnswerTheirRequestAndAreStored) {
  SettingsRecord record;
  reset_settings(record);
  PacedExchange exchange({{"RPTSS\r\n", 0}, {"RRCA\r\n", 0}}, AnswerKind::readback, 3500, &record);
  ASSERT_TRUE(exchange.command_due(0));
  exchange.received("PTSS" + std::string(32, '3') + "\r\n", 5);
  EXPECT_EQ(record.scroll_speed[31], 2);
  ASSERT_TRUE(exchange.command_due(5));
  exchange.received("ACA0102030405060708\r\n", 9);  // the alarm form, not the remote one
  EXPECT_EQ(exchange.answered(), 1);
  EXPECT_NE(exchange.failure().find("\"RRCA\" answered something else"), std::string::npos);
  EXPECT_EQ(exchange.unanswered(), std::vector<std::string>{"RRCA"});
}

TEST(ExchangePlans, TheScheduleIsTheProgramsAndAnswerPaceDropsIt) {
  SettingsRecord record;
  reset_settings(record);
  const ExchangePlan send = all_items_plan(record, Edition::lx, Pace::schedule);
  ASSERT_EQ(send.steps.size(), 52u);
  Millis total = 0;
  for (const ExchangeStep& step : send.steps) total += step.gap_ms;
  EXPECT_EQ(total, 18000);                // the last command 18.0 s after the first
  EXPECT_EQ(send.steps[32].gap_ms, 600);  // the pause step between titles and settings
  const ExchangePlan read = readback_plan(Edition::lx, true, Pace::schedule);
  EXPECT_EQ(read.steps.size(), 54u);
  EXPECT_EQ(read.steps[1].gap_ms, 300);
  for (const ExchangeStep& step : all_items_plan(record, Edition::mfc, Pace::answer).steps) {
    EXPECT_EQ(step.gap_ms, 0);
  }
}

}  // namespace
}  // namespace kyz
