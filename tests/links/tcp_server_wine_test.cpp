// The TCP server link: the test listens on KYZ_LINK_PORT, tells the script it is ready
// (KYZ_LINK_READY), and the script starts sign simulator adapters that connect to it.
// Adapter k answers "RADT" with "ADT00k", which shows which adapter a command reached.
#include <gtest/gtest.h>

#include <string>

#include "core/links/client_table.h"
#include "core/links/win32/tcp_link.h"
#include "core/protocol/protocol_state.h"
#include "core/protocol/send_path.h"
#include "core/settings/configuration.h"
#include "tests/links/link_rig.h"
#include "tests/links/server_link_fixture.h"

namespace kyz {
namespace {

using rig::pump_until;

class TcpServerTest : public rig::ServerLinkFixture {
 protected:
  void listen_for_adapters(int expected) {
    ASSERT_EQ(tcp_listen(), 1);
    EXPECT_EQ(tcp_listen(), 1);  // already listening: at once
    rig::announce_listening();
    ASSERT_TRUE(pump_until([&] { return count_clients() == expected; }, 30000))
        << count_clients() << " adapters";
  }
};

TEST_F(TcpServerTest, AdaptersAreListedInSlotOrderAndTheChosenRowGetsTheCommand) {
  listen_for_adapters(3);
  EXPECT_EQ(window_.list_rows, std::vector<std::string>(3, "127.0.0.1"));
  EXPECT_EQ(tcp_connected, 0);

  choose_destination(1);
  EXPECT_EQ(link_config.select_number, 2);
  EXPECT_EQ(tcp_connected, 1);
  EXPECT_EQ(window_.destination, "127.0.0.1");

  send_command("RADT\r\n");
  ASSERT_TRUE(pump_until([&] { return !window_.data.empty(); }, 5000));
  EXPECT_EQ(window_.data[0].index, 2u);
  EXPECT_EQ(window_.data[0].bytes, "ADT002\r\n");
  EXPECT_TRUE(boxes_.boxes().empty()) << ::testing::PrintToString(boxes_.texts());

  stop_tcp_server();
  EXPECT_EQ(count_clients(), 0);
  EXPECT_FALSE(window_.link_shown_up);
  EXPECT_TRUE(window_.list_rows.empty());
  EXPECT_EQ(window_.destination, std::string(16, ' '));
  EXPECT_EQ(link_config.select_number, -1);
  EXPECT_EQ(tcp_connected, 0);
  EXPECT_EQ(link_socket, 0u);
}

TEST_F(TcpServerTest, HoldsNinetySixAdaptersAndClosesTheNextAtOnce) {
  listen_for_adapters(96);
  // The 97th adapter is accepted and closed; nothing is shown and nothing changes.
  rig::pump_for(1500);
  EXPECT_EQ(count_clients(), 96);
  EXPECT_EQ(window_.list_rows.size(), 96u);
  EXPECT_TRUE(boxes_.boxes().empty()) << ::testing::PrintToString(boxes_.texts());
}

// Adapters that connect while the program is busy wait in the listening socket's queue;
// a single accept notification must list them all, since no second one need come.
TEST_F(TcpServerTest, OneAcceptNotificationListsEveryWaitingAdapter) {
  ASSERT_EQ(tcp_listen(), 1);
  rig::announce_listening();
  const auto connected = [] { return rig::count_in_sign_log("connected to"); };
  for (int waited = 0; connected() < 3 && waited < 20000; waited += 50) Sleep(50);
  ASSERT_EQ(connected(), 3);  // connected: each waits in the queue until accepted
  MSG m;
  while (PeekMessageW(&m, window_.handle(), SOCKET_EVENT_MESSAGE, SOCKET_EVENT_MESSAGE,
                      PM_REMOVE)) {
  }
  accept_client();
  EXPECT_EQ(count_clients(), 3);
  EXPECT_EQ(window_.list_rows, std::vector<std::string>(3, "127.0.0.1"));
  accept_client();  // a notification left over for a connection already taken
  EXPECT_EQ(count_clients(), 3);
  EXPECT_TRUE(boxes_.boxes().empty()) << ::testing::PrintToString(boxes_.texts());
}

TEST_F(TcpServerTest, DestinationThatDisconnectedMakesTheNextSendFail) {
  // Adapter 2 closes its connection after answering its first command.
  listen_for_adapters(3);
  choose_destination(1);
  send_command("RADT\r\n");
  ASSERT_TRUE(pump_until([&] { return !window_.data.empty(); }, 5000));
  EXPECT_EQ(window_.data[0].bytes, "ADT002\r\n");

  ASSERT_TRUE(pump_until([] { return count_clients() == 2; }, 5000));
  EXPECT_FALSE(client_table.holds_client(2));
  // The destination box no longer names the adapter that left: it shows its freed slot.
  EXPECT_EQ(window_.destination, " ");
  // The list shows the two adapters left, and its rows still choose their own slots.
  EXPECT_EQ(window_.list_rows.size(), 2u);
  EXPECT_EQ(client_table.slot_for_row(1), 3);
  EXPECT_EQ(link_config.select_number, 2);
  EXPECT_EQ(tcp_connected, 1);

  send_command("RADT\r\n");
  EXPECT_EQ(boxes_.texts(), std::vector<std::string>{"Socket 送信"});
  rig::pump_for(200);
  EXPECT_EQ(window_.data.size(), 1u);

  choose_destination(1);  // now slot 3, adapter 3
  EXPECT_EQ(window_.destination, "127.0.0.1");
  send_command("RADT\r\n");
  ASSERT_TRUE(pump_until([&] { return window_.data.size() == 2; }, 5000));
  EXPECT_EQ(window_.data[1].index, 3u);
  EXPECT_EQ(window_.data[1].bytes, "ADT003\r\n");
}

TEST_F(TcpServerTest, LastAdapterLeavingEmptiesTheListAndTheDestinationBox) {
  // The only adapter closes its connection after answering its first command.
  listen_for_adapters(1);
  choose_destination(0);
  EXPECT_EQ(window_.destination, "127.0.0.1");
  send_command("RADT\r\n");
  ASSERT_TRUE(pump_until([] { return count_clients() == 0; }, 5000));
  EXPECT_TRUE(window_.list_rows.empty());
  EXPECT_EQ(window_.destination, " ");
  EXPECT_EQ(tcp_connected, 1);  // until "切断"; the next send reports the failed send
}

// Without adapters: KYZ_LINK_PORT is free, and the test holds another port itself.
TEST_F(TcpServerTest, StartThatCouldNotBindIsRetriedOnAnotherPort) {
  WSADATA data;
  ASSERT_EQ(WSAStartup(MAKEWORD(1, 1), &data), 0);
  SOCKET taken = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in at{};
  at.sin_family = AF_INET;
  at.sin_addr.s_addr = htonl(INADDR_ANY);
  ASSERT_EQ(bind(taken, reinterpret_cast<sockaddr*>(&at), sizeof at), 0);
  ASSERT_EQ(listen(taken, 1), 0);
  int length = sizeof at;
  getsockname(taken, reinterpret_cast<sockaddr*>(&at), &length);

  link_config.port_number = std::to_string(ntohs(at.sin_port));
  EXPECT_EQ(tcp_listen(), 0);
  EXPECT_EQ(boxes_.texts(), std::vector<std::string>{"Bindできません"});
  EXPECT_EQ(boxes_.boxes()[0].kind, BoxKind::plain_stop);
  EXPECT_EQ(link_socket, 0u);

  // A port box left empty, or holding no number, names no port: listening on whatever
  // port the system picks would look like success while no adapter could ever come.
  for (const char* text : {"", "00000", "x"}) {
    link_config.port_number = text;
    EXPECT_EQ(tcp_listen(), 0) << '"' << text << '"';
    EXPECT_EQ(boxes_.texts().back(), "Bindできません");
    EXPECT_EQ(link_socket, 0u);
  }

  // The operator types another port and presses "接続" again: this time it listens.
  link_config.port_number = rig::env("KYZ_LINK_PORT");
  ASSERT_EQ(tcp_listen(), 1);
  SOCKET adapter = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_port = htons(static_cast<u_short>(std::stoi(link_config.port_number)));
  to.sin_addr.s_addr = inet_addr("127.0.0.1");
  EXPECT_EQ(connect(adapter, reinterpret_cast<sockaddr*>(&to), sizeof to), 0);
  EXPECT_TRUE(pump_until([] { return count_clients() == 1; }, 5000));
  closesocket(adapter);
  closesocket(taken);
  WSACleanup();
}

}  // namespace
}  // namespace kyz
