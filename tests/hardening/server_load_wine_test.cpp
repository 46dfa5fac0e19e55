// kyz424lx as TCP server under load: 96 sign adapters at once, a 97th turned away, and
// adapters that drop out of the middle of the table while new ones take their slots.
// The test listens on KYZ_LINK_PORT and writes KYZ_LINK_READY; the script then starts
// the simulator's adapters, and a second set once the test writes KYZ_LINK_READY_MORE
// (see hardening_cases.sh). Adapter k of the first set answers "RADT" with ADT00k.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/links/client_table.h"
#include "core/links/win32/tcp_link.h"
#include "core/protocol/protocol_state.h"
#include "core/protocol/send_path.h"
#include "core/settings/configuration.h"
#include "core/settings/settings_record.h"
#include "tests/links/link_rig.h"
#include "tests/links/server_link_fixture.h"

namespace kyz {
namespace {

using rig::pump_until;

class ServerUnderLoad : public rig::ServerLinkFixture {
 protected:
  void SetUp() override {
    ServerLinkFixture::SetUp();
    sequence_step = 0;
  }

  bool wait_for_clients(int expected, DWORD ms) {
    return pump_until([&] { return count_clients() == expected; }, ms);
  }

  // Chooses the list row that shows `slot`, sends "RADT" and returns the answer.
  std::string ask_slot(int slot) {
    const std::vector<int> rows = client_table.listed_slots();
    int row = 0;
    while (row < static_cast<int>(rows.size()) && rows[static_cast<std::size_t>(row)] != slot) ++row;
    if (row == static_cast<int>(rows.size())) return "slot " + std::to_string(slot) + " is empty";
    choose_destination(row);
    if (link_config.select_number != slot) return "row chose another slot";
    const std::size_t before = window_.data.size();
    send_command("RADT\r\n");
    if (!pump_until([&] { return window_.data.size() > before; }, 5000)) return "no answer";
    const rig::SocketData& answer = window_.data.back();
    if (answer.index != static_cast<WPARAM>(slot)) return "answer posted for another slot";
    return answer.bytes;
  }
};

TEST_F(ServerUnderLoad, NinetySixAdaptersEachAnswerWhenChosenAndTheNinetySeventhIsTurnedAway) {
  ASSERT_EQ(tcp_listen(), 1);
  rig::announce_listening();
  // 97 adapters connect as fast as they can.
  ASSERT_TRUE(wait_for_clients(96, 60000)) << count_clients() << " adapters";
  rig::pump_for(1500);
  EXPECT_EQ(count_clients(), 96);
  EXPECT_EQ(window_.list_rows.size(), 96u);
  EXPECT_TRUE(boxes_.boxes().empty()) << ::testing::PrintToString(boxes_.texts());

  // Every slot reaches its own adapter: 96 different answers out of adapters 1..97.
  std::set<std::string> answers;
  for (int slot = 1; slot <= max_clients; ++slot) {
    const std::string answer = ask_slot(slot);
    ASSERT_EQ(answer.substr(0, 3), "ADT") << "slot " << slot << ": " << answer;
    ASSERT_EQ(answer.size(), 8u) << answer;
    answers.insert(answer);
  }
  EXPECT_EQ(answers.size(), 96u);
  EXPECT_TRUE(boxes_.boxes().empty()) << ::testing::PrintToString(boxes_.texts());
  EXPECT_EQ(count_clients(), 96);
}

TEST_F(ServerUnderLoad, AdaptersLeavingTheMiddleOfTheTableAreReplacedByNewOnesInTheirSlots) {
  // The first six adapters close their connection after answering one command.
  ASSERT_TRUE(tcp_listen());
  rig::announce_listening();
  ASSERT_TRUE(wait_for_clients(6, 30000)) << count_clients() << " adapters";

  std::set<std::string> first_set;
  for (int slot : {2, 4, 5}) {
    const std::string answer = ask_slot(slot);
    EXPECT_EQ(answer.substr(0, 5), "ADT00") << "slot " << slot << ": " << answer;
    first_set.insert(answer);
  }
  ASSERT_TRUE(wait_for_clients(3, 5000)) << count_clients() << " adapters";
  EXPECT_EQ(client_table.listed_slots(), (std::vector<int>{1, 3, 6}));
  EXPECT_EQ(window_.list_rows, std::vector<std::string>(3, "127.0.0.1"));
  // The destination left: the next send reports it, and nothing is waited for.
  send_command("RADT\r\n");
  EXPECT_EQ(boxes_.texts(), std::vector<std::string>{"Socket 送信"});

  // Three new adapters (alarm hold time 30) fill the gaps, lowest slot first.
  rig::write_unix_file(rig::env("KYZ_LINK_READY_MORE"), "more\n");
  ASSERT_TRUE(wait_for_clients(6, 30000)) << count_clients() << " adapters";
  EXPECT_EQ(client_table.listed_slots(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
  for (int slot : {2, 4, 5}) EXPECT_EQ(ask_slot(slot), "ADT030\r\n") << "slot " << slot;
  for (int slot : {1, 3, 6}) first_set.insert(ask_slot(slot));
  EXPECT_EQ(first_set, (std::set<std::string>{"ADT001\r\n", "ADT002\r\n", "ADT003\r\n",
                                              "ADT004\r\n", "ADT005\r\n", "ADT006\r\n"}));
  ASSERT_TRUE(wait_for_clients(3, 5000));
  EXPECT_EQ(client_table.listed_slots(), (std::vector<int>{2, 4, 5}));
  EXPECT_EQ(ask_slot(4), "ADT030\r\n");
  EXPECT_EQ(boxes_.texts(), std::vector<std::string>{"Socket 送信"});
}

TEST_F(ServerUnderLoad, DestinationCutOffInTheMiddleOfAnAnswerLeavesNothingForTheNext) {
  // Adapter 1 answers its first command with half a reply and closes the connection.
  window_.hand_data_to_reply_handler = true;  // as the settings dialog would
  ASSERT_TRUE(tcp_listen());
  rig::announce_listening();
  ASSERT_TRUE(wait_for_clients(2, 30000)) << count_clients() << " adapters";
  settings.alarm_hold_time = 30;

  EXPECT_EQ(ask_slot(1), "ADT0");  // "ADT001" CR LF, cut in half
  ASSERT_TRUE(wait_for_clients(1, 5000));
  EXPECT_EQ(ask_slot(2), "ADT002\r\n");
  EXPECT_EQ(settings.alarm_hold_time, 2) << "the half reply was glued to the next answer";
  EXPECT_TRUE(boxes_.boxes().empty()) << ::testing::PrintToString(boxes_.texts());
}

}  // namespace
}  // namespace kyz
