// The serial link on a real Wine COM port: COM1 is bound to one end of a fresh
// pseudo-terminal pair and the sign simulator answers on the other end. The script
// that runs each case sets up the pair and the simulator (see run_link_test.sh).
#include <gtest/gtest.h>

#include <atomic>
#include <iostream>
#include <string>
#include <vector>

#include "core/links/win32/serial_link.h"
#include "core/protocol/protocol_state.h"
#include "core/protocol/reply_handlers.h"
#include "core/protocol/send_path.h"
#include "core/settings/configuration.h"
#include "core/settings/edition.h"
#include "tests/links/link_rig.h"

namespace kyz {
namespace {

using rig::BoxLog;
using rig::pump_until;

class SerialLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    link_config = LinkConfiguration{};
    link_config.com_port = 0;  // COM1
    awaiting_answer = 0;
    answer_ticks = 0;
  }
  void TearDown() override { stop_serial_reader(); }

  void open_and_read() { ASSERT_TRUE(serial_lines_.open_port_and_read(running_)); }
  std::vector<std::string> lines() { return serial_lines_.lines(); }
  bool lines_reach(std::size_t n) { return lines().size() >= n; }

  BoxLog boxes_;
  std::atomic<int> running_{1};
  rig::SerialLines serial_lines_;
};

TEST_F(SerialLinkTest, CommandGoesOutExactlyAndItsGoIsHandled) {
  open_and_read();
  EXPECT_TRUE(boxes_.boxes().empty()) << "the port must open cleanly";
  serial_write("TSA\r\n");
  EXPECT_EQ(awaiting_answer.load(), 1);
  ASSERT_TRUE(pump_until([&] { return lines_reach(1); }, 5000));
  EXPECT_EQ(lines(), std::vector<std::string>{"GO\r\n"});
  EXPECT_EQ(awaiting_answer.load(), 0);
  EXPECT_EQ(boxes_.count("Success"), 1);  // the "設定完了" box
  EXPECT_EQ(rig::read_unix_file(rig::env("KYZ_LINK_RAW_LOG")), "TSA\r\n");
}

TEST_F(SerialLinkTest, ReplyArrivingInPiecesIsHandledOnce) {
  // The simulator writes "G", "O", CR and LF with pauses between them.
  open_and_read();
  serial_write("TSA\r\n");
  ASSERT_TRUE(pump_until([&] { return lines_reach(1); }, 5000));
  rig::pump_for(500);
  EXPECT_EQ(lines(), std::vector<std::string>{"GO\r\n"});
  EXPECT_EQ(boxes_.count("Success"), 1);
}

TEST_F(SerialLinkTest, TwoRepliesInOneReadBothReachTheHandler) {
  // The simulator answers "E3" CR LF "E3" CR LF in one write: neither error is lost.
  open_and_read();
  serial_write("TSA\r\n");
  ASSERT_TRUE(pump_until([&] { return lines_reach(2); }, 5000));
  rig::pump_for(300);
  EXPECT_EQ(lines(), (std::vector<std::string>{"E3\r\n", "E3\r\n"}));
  EXPECT_EQ(boxes_.count("Command Error"), 2);
  EXPECT_EQ(device_error.load(), 1);
}

TEST_F(SerialLinkTest, SilentSignIsReportedOnceThreeSecondsAfterTheWrite) {
  open_and_read();
  // The main window's 500 ms timer, already running when the command goes out.
  const ULONGLONG first_tick = GetTickCount64();
  int ticks = 0;
  auto tick_until = [&](ULONGLONG end) {
    while (GetTickCount64() < end) {
      const ULONGLONG next = first_tick + 500ULL * static_cast<ULONGLONG>(ticks + 1);
      if (GetTickCount64() < next) Sleep(static_cast<DWORD>(next - GetTickCount64()));
      ++ticks;
      answer_watchdog();
    }
  };
  Sleep(250);
  const ULONGLONG written_at = GetTickCount64();
  serial_write("TSA\r\n");
  tick_until(written_at + 1000);
  serial_write("TSA\r\n");  // a second command meanwhile brings no second box
  tick_until(written_at + 6000);

  const std::vector<rig::ShownBox> shown = boxes_.boxes();
  ASSERT_EQ(boxes_.count("No Connect"), 1) << ::testing::PrintToString(boxes_.texts());
  const ULONGLONG after = shown.back().at_ms - written_at;
  std::cout << "\"No Connect\" " << after << " ms after the write\n";
  EXPECT_GE(after, 3000u);
  EXPECT_LE(after, 3600u);  // 3.5 s and a little for the timer's own lateness
  EXPECT_EQ(shown.back().caption, "Error");
  EXPECT_TRUE(lines().empty());
}

TEST_F(SerialLinkTest, OverlongGarbageIsDroppedAndTheNextReplyStillArrives) {
  // The simulator sends 3000 bytes without LF ahead of its first reply: more than the
  // driver hands over in one read and more than a line may hold.
  open_and_read();
  serial_write("TSA\r\n");
  rig::pump_for(1500);
  EXPECT_TRUE(lines().empty());
  serial_write("TSA\r\n");
  ASSERT_TRUE(pump_until([&] { return lines_reach(1); }, 5000));
  rig::pump_for(300);
  EXPECT_EQ(lines(), std::vector<std::string>{"GO\r\n"});
  EXPECT_EQ(boxes_.count("Success"), 1);
}

// CPU time of this process in milliseconds, user and kernel.
ULONGLONG process_cpu_ms() {
  FILETIME created, ended, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
  auto ms = [](const FILETIME& t) {
    return ((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000;
  };
  return ms(kernel) + ms(user);
}

TEST_F(SerialLinkTest, IdleReaderWaitsWithoutSpinning) {
  // On a pseudo-terminal under Wine the port wait returns at once with nothing; the
  // reader must pause between passes rather than burn a core.
  open_and_read();
  const ULONGLONG cpu_before = process_cpu_ms();
  Sleep(2000);
  const ULONGLONG used = process_cpu_ms() - cpu_before;
  std::cout << "idle reader: " << used << " ms of CPU in 2 s\n";
  EXPECT_LT(used, 300u);
  // And it still notices a reply after the idle time.
  serial_write("TSA\r\n");
  ASSERT_TRUE(pump_until([&] { return lines_reach(1); }, 5000));
}

TEST_F(SerialLinkTest, StoppedReaderReleasesThePortForAReopen) {
  open_and_read();
  const ULONGLONG start = GetTickCount64();
  stop_serial_reader();  // the reader is waiting for an event
  EXPECT_LT(GetTickCount64() - start, 2000u);
  EXPECT_EQ(running_.load(), 0);

  // The port is opened exclusively: a second open succeeds only if the first handle
  // was closed. A pseudo-terminal refuses parity the second time, so the line
  // parameters may be reported; the rest must open.
  running_ = 1;
  open_and_read();
  for (const std::string& text : boxes_.texts()) EXPECT_EQ(text, "Miss! Set Comm State");
  serial_write("TSA\r\n");
  ASSERT_TRUE(pump_until([&] { return lines_reach(1); }, 5000));
  EXPECT_EQ(lines(), std::vector<std::string>{"GO\r\n"});
}

TEST_F(SerialLinkTest, MissingPortIsReportedStepByStepAndTheProgramGoesOn) {
  // COM1 leads nowhere.
  open_and_read();
  EXPECT_EQ(boxes_.texts(), (std::vector<std::string>{"Miss! File Open", "Miss! Mask Set",
                                                      "Miss! Buffer Set", "Miss! Time Out Set",
                                                      "Miss! Set Comm State"}));
  for (const rig::ShownBox& box : boxes_.boxes()) {
    EXPECT_EQ(box.kind, BoxKind::warning);
    EXPECT_EQ(box.caption, "Error");
  }
  EXPECT_EQ(port_open.load(), 1);
  serial_write("TSA\r\n");  // goes nowhere, but the answer is still awaited
  EXPECT_EQ(awaiting_answer.load(), 1);
}

TEST_F(SerialLinkTest, PortNumberOutsideComOneToSixIsAFailedOpen) {
  // Also the kyz424 edition, which reports in its error box.
  edition = Edition::mfc;
  link_config.com_port = 6;
  open_and_read();
  edition = Edition::lx;
  ASSERT_EQ(boxes_.texts().size(), 5u);
  EXPECT_EQ(boxes_.texts().front(), "Miss! File Open");
  for (const rig::ShownBox& box : boxes_.boxes()) EXPECT_EQ(box.kind, BoxKind::error);
}

}  // namespace
}  // namespace kyz
