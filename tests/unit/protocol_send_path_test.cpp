#include <gtest/gtest.h>

#include <string>

#include "core/protocol/send_path.h"
#include "tests/unit/protocol_test_support.h"

namespace kyz {
namespace {

class SendPath : public test::ProtocolTest {
 protected:
  void tick(int n) {
    for (int i = 0; i < n; ++i) answer_watchdog();
  }
};

TEST_F(SendPath, SerialInterfaceWritesToThePortOnly) {
  send_command("TSA\r\n");
  ASSERT_EQ(links.serial.size(), 1u);
  EXPECT_EQ(links.serial[0], std::string("TSA\r\n"));
  EXPECT_TRUE(links.socket.empty());
  EXPECT_EQ(link_ready(), 1);
}

TEST_F(SendPath, TcpInterfaceGoesToTheSocketLink) {
  link_config.interface = interface_tcp;
  EXPECT_EQ(link_ready(), 0);
  // kyz424lx leaves the connection check and its message to the TCP link.
  send_command("TSA\r\n");
  EXPECT_EQ(links.socket.size(), 1u);
  EXPECT_TRUE(links.serial.empty());
  links.connected = true;
  EXPECT_EQ(link_ready(), 1);
}

TEST_F(SendPath, Kyz424WithoutConnectionShowsTheErrorBoxAndSendsNothing) {
  edition = Edition::mfc;
  link_config.interface = interface_tcp;
  send_command("TSA\r\n");
  EXPECT_TRUE(links.socket.empty());
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "Socket が接続されていません");
  EXPECT_EQ(boxes.boxes[0].kind, BoxKind::error);
  EXPECT_EQ(send_failed, 1);  // a timed run stops at its next tick

  links.connected = true;
  send_command("TSA\r\n");
  EXPECT_EQ(links.socket.size(), 1u);
  EXPECT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(send_failed, 0);
}

TEST_F(SendPath, WithoutLinksNothingIsSentAndTcpIsNeverReady) {
  set_command_links(nullptr);
  send_command("TSA\r\n");
  link_config.interface = interface_tcp;
  EXPECT_EQ(link_ready(), 0);
  send_command("TSA\r\n");
  EXPECT_TRUE(links.serial.empty() && links.socket.empty());
}

TEST_F(SendPath, ATextLongerThanTheSerialBufferIsNotSent) {
  send_command(std::string(409, 'A'));
  send_command(std::string(410, 'A'));
  EXPECT_EQ(links.serial.size(), 1u);
}

TEST_F(SendPath, WatchdogReportsNoConnectOnTheSeventhTickOnce) {
  send_command("TSA\r\n");
  tick(6);
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_EQ(answer_ticks, 6);
  tick(1);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "No Connect");
  EXPECT_EQ(boxes.boxes[0].kind, BoxKind::error);
  EXPECT_EQ(awaiting_answer, 0);
  EXPECT_EQ(answer_ticks, 0);
  tick(20);
  EXPECT_EQ(boxes.boxes.size(), 1u);
}

TEST_F(SendPath, ASecondCommandDoesNotRestartTheCount) {
  send_command("TSA\r\n");
  tick(4);
  send_command("TSA\r\n");
  tick(3);
  EXPECT_EQ(boxes.boxes.size(), 1u);
}

TEST_F(SendPath, AReplyLineStopsTheWatchdog) {
  send_command("TSA\r\n");
  tick(5);
  serial_reply_handler("XYZ\r\n");
  tick(10);
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(SendPath, Kyz424lxWatchdogIsSilentDuringATimedSequence) {
  sequence_busy = 1;
  send_command("TSA\r\n");
  tick(10);
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_EQ(awaiting_answer, 1);
  EXPECT_EQ(answer_ticks, 0);
}

TEST_F(SendPath, Kyz424WatchdogIgnoresTheSequenceFlag) {
  edition = Edition::mfc;
  sequence_busy = 1;
  send_command("TSA\r\n");
  tick(7);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "No Connect");
}

}  // namespace
}  // namespace kyz
