#include <gtest/gtest.h>

#include "core/links/serial_read_pacing.h"

namespace kyz {
namespace {

struct Pass {
  bool receive_event;
  std::size_t bytes;
  unsigned pause_ms;
  bool waits_next;
};

// A port whose wait returns at once: the reader stops waiting, backs off to 50 ms while
// nothing comes, reads on without a pause while bytes come, then waits once more.
TEST(SerialReadPacingTest, QuietPortThatDoesNotBlockIsPolledWithGrowingPauses) {
  const Pass passes[] = {
      {false, 0, 10, false}, {false, 0, 20, false}, {false, 0, 40, false},
      {false, 0, 50, false}, {false, 0, 50, false}, {false, 4, 0, true},
      {false, 3, 0, true},   {false, 0, 10, false}, {false, 0, 20, false},
  };
  SerialReadPacing pacing;
  for (std::size_t i = 0; i < std::size(passes); ++i) {
    EXPECT_EQ(pacing.after_pass(passes[i].receive_event, passes[i].bytes), passes[i].pause_ms)
        << "pass " << i;
    EXPECT_EQ(pacing.waits_for_event(), passes[i].waits_next) << "pass " << i;
  }
}

// A port whose wait blocks and reports the receive event keeps waiting, also after an
// event whose bytes an earlier pass already took.
TEST(SerialReadPacingTest, PortWhoseWaitReportsTheEventKeepsWaiting) {
  SerialReadPacing pacing;
  EXPECT_EQ(pacing.after_pass(true, 5), 0u);
  EXPECT_EQ(pacing.after_pass(true, 0), 10u);
  EXPECT_TRUE(pacing.waits_for_event());
  EXPECT_EQ(pacing.after_pass(true, 2), 0u);
  EXPECT_TRUE(pacing.waits_for_event());
}

}  // namespace
}  // namespace kyz
