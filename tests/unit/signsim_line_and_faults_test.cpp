// Line assembly, the fault plan, the log's byte escaping and the command line of the
// simulator, as functions.
#include <gtest/gtest.h>

#include "tools/signsim/activity_log.h"
#include "tools/signsim/fault_plan.h"
#include "tools/signsim/line_assembler.h"
#include "tools/signsim/options.h"

namespace kyz::signsim {
namespace {

std::vector<std::string> texts(const std::vector<AssembledLine>& lines) {
  std::vector<std::string> out;
  for (const auto& l : lines) out.push_back(l.text);
  return out;
}

using Lines = std::vector<std::string>;

TEST(SignLineAssembler, LinesSpanReadsAndShareThem) {
  LineAssembler a;
  EXPECT_TRUE(a.feed("G").empty());
  EXPECT_TRUE(a.feed("O\r").empty());
  EXPECT_EQ(texts(a.feed("\nTS")), Lines{"GO\r\n"});
  EXPECT_EQ(texts(a.feed("A\r\nRP\r\nR")), (Lines{"TSA\r\n", "RP\r\n"}));
  EXPECT_EQ(a.pending(), 1u);
  EXPECT_EQ(texts(a.feed("\n\n")), (Lines{"R\n", "\n"}));
}

TEST(SignLineAssembler, OverlongLineIsCutAndTheNextLineIsWhole) {
  LineAssembler a(16);
  EXPECT_TRUE(a.feed(std::string(10, 'x')).empty());
  EXPECT_TRUE(a.feed(std::string(100000, 'y')).empty());
  EXPECT_EQ(a.pending(), 100010u);
  const auto lines = a.feed("z\r\nTSA\r\n");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].text.size(), 16u);
  EXPECT_EQ(lines[0].dropped, 100010u + 3 - 16);
  EXPECT_TRUE(lines[0].overlong());
  EXPECT_EQ(lines[1].text, "TSA\r\n");
  EXPECT_FALSE(lines[1].overlong());
}

TEST(SignLineAssembler, LineOfExactlyTheLimitIsKept) {
  LineAssembler a(5);
  const auto lines = a.feed("TSA\r\n");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_FALSE(lines[0].overlong());
}

using Kind = AnswerStep::Kind;

std::string written(const std::vector<AnswerStep>& steps) {
  std::string bytes;
  for (const auto& s : steps)
    if (s.kind == Kind::write) bytes += s.bytes;
  return bytes;
}

bool closes(const std::vector<AnswerStep>& steps) {
  return !steps.empty() && steps.back().kind == Kind::close;
}

TEST(SignFaultPlan, NoFaultsWritesTheReplyOnce) {
  const auto steps = plan_answer(FaultPlan{}, 1, 1, "GO");
  ASSERT_EQ(steps.size(), 1u);
  EXPECT_EQ(steps[0], (AnswerStep{Kind::write, 0, "GO\r\n"}));
}

TEST(SignFaultPlan, ErrorReplyHitsOnlyChosenCommandsAndChannel) {
  FaultPlan plan;
  plan.error_reply = "E2";
  plan.on_commands = {3};
  plan.fault_channel = 2;
  EXPECT_EQ(written(plan_answer(plan, 2, 3, "GO")), "E2\r\n");
  EXPECT_EQ(written(plan_answer(plan, 2, 2, "GO")), "GO\r\n");
  EXPECT_EQ(written(plan_answer(plan, 1, 3, "GO")), "GO\r\n");
}

TEST(SignFaultPlan, SplitPiecesJoinToTheReplyWithPausesBetween) {
  FaultPlan plan;
  plan.split_parts = 3;
  plan.split_pause_ms = 40;
  const auto steps = plan_answer(plan, 1, 1, "PVT08");
  ASSERT_EQ(steps.size(), 5u);
  EXPECT_EQ(steps[1], (AnswerStep{Kind::pause, 40, {}}));
  EXPECT_EQ(written(steps), "PVT08\r\n");
  for (const auto& s : steps) {
    if (s.kind == Kind::write) {
      EXPECT_FALSE(s.bytes.empty());
    }
  }
  // More pieces than bytes: one byte each, never empty writes.
  plan.split_parts = 50;
  const auto fine = plan_answer(plan, 1, 1, "GO");
  EXPECT_EQ(written(fine), "GO\r\n");
  EXPECT_EQ(std::count_if(fine.begin(), fine.end(), [](auto& s) { return s.kind == Kind::write; }), 4);
}

TEST(SignFaultPlan, CloseMidAnswerNeverSendsTheLf) {
  FaultPlan plan;
  plan.close_mid_answer = true;
  for (const char* reply : {"GO", "E3", "ADT030"}) {
    const auto steps = plan_answer(plan, 1, 1, reply);
    EXPECT_TRUE(closes(steps));
    const std::string bytes = written(steps);
    EXPECT_FALSE(bytes.empty());
    EXPECT_EQ(bytes.find('\n'), std::string::npos) << reply;
    EXPECT_EQ(std::string(reply).find(bytes.substr(0, std::min<std::size_t>(bytes.size(), 2))), 0u);
  }
}

TEST(SignFaultPlan, FloodTwiceSilentAndDelayCombine) {
  FaultPlan plan;
  plan.flood_bytes = 1000;
  plan.answer_twice = true;
  plan.delay_ms = 25;
  auto steps = plan_answer(plan, 1, 1, "GO");
  EXPECT_EQ(steps.front(), (AnswerStep{Kind::pause, 25, {}}));
  EXPECT_EQ(written(steps), std::string(1000, flood_filler) + "GO\r\nGO\r\n");
  plan.silent = true;
  steps = plan_answer(plan, 1, 1, "GO");
  EXPECT_EQ(written(steps), std::string(1000, flood_filler));
}

TEST(SignFaultPlan, CloseAfterCountsEveryCommandOfItsChannel) {
  FaultPlan plan;
  plan.close_after = 2;
  plan.on_commands = {1};  // narrows the reply faults, not the close
  EXPECT_FALSE(closes(plan_answer(plan, 1, 1, "GO")));
  const auto second = plan_answer(plan, 1, 2, "GO");
  EXPECT_EQ(written(second), "GO\r\n");
  EXPECT_TRUE(closes(second));
  plan.fault_channel = 4;
  EXPECT_FALSE(closes(plan_answer(plan, 3, 2, "GO")));
}

TEST(SignLogEscaping, ShowsBytesUnambiguously) {
  EXPECT_EQ(escape_bytes("GO\r\n"), "GO\\r\\n");
  EXPECT_EQ(escape_bytes(std::string("a\0\x7F\x81\\", 5)), "a\\x00\\x7F\\x81\\\\");
  EXPECT_EQ(escape_bytes("\\x41"), "\\\\x41");  // a literal backslash is not a byte escape
}

TEST(SignOptions, ParsesChannelsAndFaults) {
  Options o;
  std::string error;
  ASSERT_TRUE(parse_options({"--tcp-listen", "0", "--port-file", "p", "--serial", "/dev/x", "--error-reply",
                             "E0", "--on-command", "2,7", "--split", "3", "--split-pause-ms", "10",
                             "--close-after", "5", "--answer-twice"},
                            o, error))
      << error;
  EXPECT_TRUE(o.tcp_listen);
  EXPECT_EQ(o.listen_port, 0);
  EXPECT_EQ(o.faults.error_reply, "E0");
  EXPECT_EQ(o.faults.on_commands, (std::set<long>{2, 7}));
  EXPECT_EQ(o.faults.split_parts, 3);
  EXPECT_EQ(o.faults.close_after, 5);
  EXPECT_TRUE(o.faults.answer_twice);

  Options a;
  ASSERT_TRUE(parse_options({"--connect", "127.0.0.1:9004", "--adapters", "100"}, a, error)) << error;
  EXPECT_EQ(a.connect_host, "127.0.0.1");
  EXPECT_EQ(a.connect_port, 9004);
  EXPECT_EQ(a.adapters, 100);
}

TEST(SignOptions, RefusesWhatCannotWork) {
  const std::vector<std::vector<std::string>> bad = {
      {},
      {"--log", "x"},
      {"--tcp-listen"},
      {"--tcp-listen", "65536"},
      {"--tcp-listen", "12x"},
      {"--connect", "9004"},
      {"--connect", "h:1", "--adapters", "101"},
      {"--connect", "h:1", "--adapters", "0"},
      {"--serial", "/dev/x", "--port-file", "p"},
      {"--tcp-listen", "0", "--error-reply", "E3\r\n"},
      {"--tcp-listen", "0", "--on-command", "0"},
      {"--tcp-listen", "0", "--on-command", "2,"},
      {"--tcp-listen", "0", "--wobble"},
  };
  for (const auto& args : bad) {
    Options o;
    std::string error;
    EXPECT_FALSE(parse_options(args, o, error)) << (args.empty() ? "(none)" : args.back());
    EXPECT_FALSE(error.empty());
  }
}

}  // namespace
}  // namespace kyz::signsim
