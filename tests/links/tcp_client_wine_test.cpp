// The TCP client link against the sign simulator on 127.0.0.1, on a port the test
// script chose free (KYZ_LINK_PORT). The simulator's log (KYZ_LINK_LOG) shows what
// reached the wire.
#include <gtest/gtest.h>

#include <iostream>
#include <string>

#include "core/links/win32/tcp_link.h"
#include "core/protocol/protocol_state.h"
#include "core/protocol/send_path.h"
#include "core/settings/configuration.h"
#include "tests/links/link_rig.h"

namespace kyz {
namespace {

using rig::pump_until;

class TcpClientTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // With a leading zero, as the configuration keeps "09004".
    rig::configure_client_link("0" + rig::env("KYZ_LINK_PORT"));
    rig::route_link_messages(window_, window_.handle());
  }
  void TearDown() override {
    tcp_disconnect_all();
    tcp_connected = 0;
  }

  void connect_to_sign() { rig::connect_to_sign(boxes_); }

  rig::ProbeWindow window_;
  rig::BoxLog boxes_;
};

TEST_F(TcpClientTest, CommandAndItsAnswerReachTheRegisteredWindow) {
  connect_to_sign();
  EXPECT_EQ(boxes_.texts(), std::vector<std::string>{"Socket 接続 OK"});
  EXPECT_TRUE(window_.link_shown_up);

  send_command("TSA\r\n");
  ASSERT_TRUE(pump_until([&] { return !window_.data.empty(); }, 5000));
  EXPECT_EQ(window_.data[0].index, 0u);
  EXPECT_EQ(window_.data[0].bytes, "GO\r\n");
  EXPECT_EQ(window_.data[0].length, 4);
  EXPECT_EQ(boxes_.count("Socket ＯＫ"), 1);  // the socket reply handler ran on it
  EXPECT_NE(rig::sign_log().find("rx TSA\\r\\n"), std::string::npos) << rig::sign_log();

  // A notification for bytes the wait already took must not disturb anything.
  rig::pump_for(300);
  EXPECT_EQ(window_.data.size(), 1u);

  disconnect_tcp_client();
  EXPECT_EQ(tcp_connected, 0);
  EXPECT_EQ(link_socket, 0u);
  EXPECT_EQ(boxes_.texts().back(), "Socket 切断 OK");
  EXPECT_FALSE(window_.link_shown_up);
}

TEST_F(TcpClientTest, SendWhileNotConnectedWarnsAndNothingReachesTheWire) {
  connect_to_sign();
  disconnect_tcp_client();
  send_command("TSA\r\n");
  EXPECT_EQ(boxes_.texts().back(), "Socket が接続されていません");
  EXPECT_EQ(boxes_.boxes().back().kind, BoxKind::warning);
  rig::pump_for(300);
  EXPECT_TRUE(window_.data.empty());
  EXPECT_EQ(rig::sign_log().find(" rx "), std::string::npos) << rig::sign_log();
}

TEST_F(TcpClientTest, SignClosingDuringTheWaitDeliversAnEmptyAnswer) {
  connect_to_sign();
  send_command("TSA\r\n");
  ASSERT_TRUE(pump_until([&] { return !window_.data.empty(); }, 5000));
  EXPECT_EQ(window_.data[0].length, 0);
  EXPECT_EQ(window_.data[0].bytes, "");
  EXPECT_EQ(boxes_.count("Answer が､きません"), 0);
  EXPECT_EQ(boxes_.count("Socket ＯＫ"), 0);

  // The close notification ends the link: the next send says there is none instead of
  // using a dead handle.
  ASSERT_TRUE(pump_until([] { return link_socket == 0; }, 5000));
  EXPECT_EQ(tcp_connected, 0);
  send_command("TSA\r\n");
  EXPECT_EQ(boxes_.texts().back(), "Socket が接続されていません");
}

TEST_F(TcpClientTest, AnswerInTwoPiecesIsCompletedByTheNextWait) {
  // The simulator waits 300 ms, writes "GO" and, 300 ms later, CR LF. The wait ends
  // with the first piece; the reply handler keeps it, and the next command's wait reads
  // the rest before that command's own answer comes.
  connect_to_sign();
  window_.handle_network_events = false;  // the TCP/IP dialog is closed by now
  send_command("TSA\r\n");
  ASSERT_TRUE(pump_until([&] { return !window_.data.empty(); }, 5000));
  EXPECT_EQ(window_.data[0].bytes, "GO");
  EXPECT_EQ(boxes_.count("Socket ＯＫ"), 0);

  rig::pump_for(600);
  send_command("TSA\r\n");
  ASSERT_TRUE(pump_until([&] { return window_.data.size() == 2; }, 5000));
  EXPECT_EQ(window_.data[1].bytes, "\r\n");
  EXPECT_EQ(boxes_.count("Socket ＯＫ"), 1) << ::testing::PrintToString(boxes_.texts());
}

TEST_F(TcpClientTest, SilentSignEndsTheWaitAfterTheAttemptLimit) {
  connect_to_sign();
  const ULONGLONG start = GetTickCount64();
  send_command("TSA\r\n");
  const ULONGLONG elapsed = GetTickCount64() - start;
  std::cout << "answer wait of " << answer_attempt_limit << " attempts took " << elapsed
            << " ms\n";
  RecordProperty("answer_wait_ms", static_cast<int>(elapsed));
  EXPECT_EQ(boxes_.texts().back(), "Answer が､きません");
  EXPECT_EQ(send_failed, 1);  // a timed run stops on it
  EXPECT_LT(received_length, 0);
  rig::pump_for(200);
  EXPECT_TRUE(window_.data.empty());
}

// Without a sign: nothing listens on KYZ_LINK_PORT.
TEST_F(TcpClientTest, RefusedConnectIsAFailure) {
  ASSERT_EQ(tcp_connect(), 1);  // pending: the refusal comes as a notification
  ASSERT_TRUE(pump_until([&] { return !boxes_.boxes().empty(); }, 10000));
  EXPECT_EQ(boxes_.texts(), std::vector<std::string>{"接続できません"});
  EXPECT_EQ(boxes_.boxes()[0].kind, BoxKind::plain_stop);
  EXPECT_EQ(tcp_connected, 0);
  EXPECT_EQ(link_socket, 0u);
  EXPECT_EQ(window_.events, 0);  // "接続" stays as it was
  EXPECT_EQ(link_ready(), 0);
}

TEST_F(TcpClientTest, SelectionOrPortThatNamesNoDestinationCannotConnect) {
  link_config.select_number = 1;  // one host only
  EXPECT_EQ(tcp_connect(), 0);
  link_config.select_number = -1;
  EXPECT_EQ(tcp_connect(), 0);
  link_config.select_number = 0;
  link_config.port_number = "99999";
  EXPECT_EQ(tcp_connect(), 0);
  EXPECT_EQ(boxes_.texts(), std::vector<std::string>(3, "接続できません"));
  EXPECT_EQ(link_socket, 0u);
  EXPECT_EQ(tcp_connected, 0);
}

TEST_F(TcpClientTest, DisconnectWhileNotConnectedDoesNothing) {
  disconnect_tcp_client();
  EXPECT_TRUE(boxes_.boxes().empty()) << ::testing::PrintToString(boxes_.texts());
  EXPECT_EQ(window_.events, 0);
  EXPECT_EQ(tcp_connected, 0);
}

TEST_F(TcpClientTest, UnknownNetworkEventIsReportedWithItsCode) {
  handle_network_event(0, WSAMAKESELECTREPLY(FD_WRITE, 0));  // nothing to see
  EXPECT_TRUE(boxes_.boxes().empty());
  handle_network_event(0, WSAMAKESELECTREPLY(64, 0));
  ASSERT_EQ(boxes_.boxes().size(), 1u);
  EXPECT_EQ(boxes_.boxes()[0].text, "ﾈｯﾄﾜｰｸ･ｴﾗｰ(event 64)");
  EXPECT_EQ(boxes_.boxes()[0].kind, BoxKind::plain);
  EXPECT_EQ(boxes_.boxes()[0].caption, "KYZ-424LX");
}

}  // namespace
}  // namespace kyz
