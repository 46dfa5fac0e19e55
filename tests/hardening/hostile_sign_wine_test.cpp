// The links under Wine against a sign that misbehaves: one that floods the line with
// 100 kB without LF, one that closes the connection in the middle of an answer, and one
// that answers every command twice. After each fault the next command must go out and
// its "GO" must be handled as usual. The script sets up the simulator with the fault
// (see hardening_cases.sh).
#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include "core/links/win32/serial_link.h"
#include "core/links/win32/tcp_link.h"
#include "core/protocol/protocol_state.h"
#include "core/protocol/reply_handlers.h"
#include "core/protocol/send_path.h"
#include "core/settings/configuration.h"
#include "core/settings/settings_record.h"
#include "tests/links/link_rig.h"

namespace kyz {
namespace {

using rig::count_in_sign_log;
using rig::pump_until;

class HostileSerialSign : public ::testing::Test {
 protected:
  void SetUp() override {
    link_config = LinkConfiguration{};
    link_config.com_port = 0;  // COM1, bound to the simulator's pseudo-terminal
    sequence_step = 0;
    ASSERT_TRUE(serial_lines_.open_port_and_read(running_));
  }
  void TearDown() override { stop_serial_reader(); }

  std::vector<std::string> lines() { return serial_lines_.lines(); }

  // Sends "TSA" and waits until the handler has seen `lines_after` lines in all.
  void command_answered(std::size_t lines_after) {
    serial_write("TSA\r\n");
    ASSERT_TRUE(pump_until([&] { return lines().size() >= lines_after; }, 10000))
        << ::testing::PrintToString(lines());
    rig::pump_for(300);  // nothing more may follow
  }

  rig::BoxLog boxes_;
  std::atomic<int> running_{1};
  rig::SerialLines serial_lines_;
};

TEST_F(HostileSerialSign, FloodOfAHundredKilobytesWithoutLineEndIsDroppedAndTheLinkGoesOn) {
  // The first command is answered with 102400 bytes of '#' and then "GO" CR LF: one line
  // far longer than any reply, dropped whole, its "GO" with it.
  serial_write("TSA\r\n");
  ASSERT_TRUE(pump_until([] { return count_in_sign_log("tx GO\\r\\n") == 1; }, 30000))
      << "the simulator did not get its flood out";
  rig::pump_for(1000);
  EXPECT_TRUE(lines().empty()) << lines().front().size() << " bytes handed on";
  EXPECT_TRUE(boxes_.boxes().empty()) << ::testing::PrintToString(boxes_.texts());

  command_answered(1);
  EXPECT_EQ(lines(), std::vector<std::string>{"GO\r\n"});
  EXPECT_EQ(boxes_.count("Success"), 1);
  EXPECT_EQ(awaiting_answer.load(), 0);
}

TEST_F(HostileSerialSign, DoubledAnswerIsHandledAsTwoLinesAndTheNextCommandAsOne) {
  // Only the first command is answered twice.
  command_answered(2);
  EXPECT_EQ(lines(), (std::vector<std::string>{"GO\r\n", "GO\r\n"}));
  command_answered(3);
  EXPECT_EQ(lines().size(), 3u);
  EXPECT_EQ(boxes_.count("Success"), 3);
  EXPECT_EQ(device_error.load(), 0);
}

// kyz424lx over TCP: the operator connects in the TCP/IP dialog; the answers go to the
// settings dialog that registered last, whose reply handler decodes them.
class HostileTcpSign : public ::testing::Test {
 protected:
  void SetUp() override {
    rig::configure_client_link(rig::env("KYZ_LINK_PORT"));
    sequence_step = 0;
    reset_settings(settings);
    tcp_dialog_.emplace();
    tcp_dialog_->hand_data_to_reply_handler = false;  // the TCP/IP dialogs drop data
    rig::route_link_messages(*tcp_dialog_, settings_dialog_.handle());
  }
  void TearDown() override {
    tcp_disconnect_all();
    tcp_connected = 0;
  }

  void connect_to_sign() { rig::connect_to_sign(boxes_); }

  // Sends `command` and waits until the settings dialog has had `answers` answers.
  void send_and_wait(const std::string& command, std::size_t answers) {
    send_command(command);
    ASSERT_TRUE(pump_until([&] { return settings_dialog_.data.size() >= answers; }, 10000))
        << ::testing::PrintToString(boxes_.texts());
    rig::pump_for(200);
  }

  std::optional<rig::ProbeWindow> tcp_dialog_;
  rig::ProbeWindow settings_dialog_;
  rig::BoxLog boxes_;
};

TEST_F(HostileTcpSign, FloodOfAHundredKilobytesWithoutLineEndDoesNotHoldUpTheNextAnswer) {
  connect_to_sign();
  // The operator closes the TCP/IP dialog and works in a settings dialog: from now on
  // only the answer wait reads the socket.
  tcp_dialog_.reset();

  // The first command is answered with 102400 bytes of '#' and then "GO" CR LF.
  send_command("TSA\r\n");
  ASSERT_TRUE(pump_until([] { return count_in_sign_log("tx GO\\r\\n") == 1; }, 30000));
  rig::pump_for(500);
  EXPECT_EQ(boxes_.count("Socket ＯＫ"), 0) << "a line of 100 kB is no reply";

  const std::size_t before = settings_dialog_.data.size();
  send_and_wait("TSA\r\n", before + 1);
  ASSERT_EQ(settings_dialog_.data.size(), before + 1);
  EXPECT_EQ(settings_dialog_.data.back().bytes, "GO\r\n");
  EXPECT_EQ(boxes_.count("Socket ＯＫ"), 1) << ::testing::PrintToString(boxes_.texts());
  EXPECT_EQ(reply_pending, 0);
}

TEST_F(HostileTcpSign, SignClosingInTheMiddleOfAnAnswerLeavesNothingBehindForTheNextConnection) {
  // The second command of each connection is answered with half its reply, then the
  // sign closes the connection.
  connect_to_sign();
  send_and_wait("TSA\r\n", 1);
  EXPECT_EQ(boxes_.count("Socket ＯＫ"), 1);
  const int hold_time = settings.alarm_hold_time;

  send_and_wait("RADT\r\n", 2);
  EXPECT_EQ(settings_dialog_.data[1].bytes, "ADT0");  // "ADT030" CR LF, cut in half
  ASSERT_TRUE(pump_until([] { return link_socket == 0; }, 5000)) << "close not noticed";
  send_command("TSA\r\n");
  EXPECT_EQ(boxes_.texts().back(), "Socket が接続されていません");
  EXPECT_EQ(send_failed, 1);  // a timed run stops on it

  // The link ended with the connection; the operator connects again. The half reply
  // must not be glued to the first answer of the new connection.
  connect_to_sign();
  send_and_wait("TSA\r\n", 3);
  EXPECT_EQ(settings_dialog_.data[2].bytes, "GO\r\n");
  EXPECT_EQ(boxes_.count("Socket ＯＫ"), 2) << ::testing::PrintToString(boxes_.texts());
  EXPECT_EQ(settings.alarm_hold_time, hold_time);

  send_and_wait("RADT\r\n", 4);  // this connection's second command: cut again
  ASSERT_TRUE(pump_until([] { return link_socket == 0; }, 5000));
  connect_to_sign();
  send_and_wait("RADT\r\n", 5);
  EXPECT_EQ(settings_dialog_.data[4].bytes, "ADT030\r\n");
  EXPECT_EQ(settings.alarm_hold_time, 30);
}

TEST_F(HostileTcpSign, EveryCommandAnsweredTwiceIsHandledOnceEach) {
  // Both lines arrive in one read: one reply, one message, for every command.
  connect_to_sign();
  for (std::size_t n = 1; n <= 3; ++n) {
    send_and_wait("TSA\r\n", n);
    EXPECT_EQ(settings_dialog_.data.back().bytes, "GO\r\nGO\r\n");
    EXPECT_EQ(boxes_.count("Socket ＯＫ"), static_cast<int>(n));
  }
  send_and_wait("RADT\r\n", 4);
  EXPECT_EQ(settings.alarm_hold_time, 30);
  EXPECT_EQ(device_error.load(), 0);
  EXPECT_EQ(reply_pending, 0);
}

}  // namespace
}  // namespace kyz
