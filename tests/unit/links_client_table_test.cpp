#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/links/client_table.h"

namespace kyz {
namespace {

TEST(ClientTable, ResetLeavesOnlyTheReservedSlot) {
  ClientTable table;
  table.store(1, 100, "127.0.0.1");
  table.reset();
  EXPECT_EQ(table.count(), 0);
  EXPECT_EQ(table.slot(0).in_use, 1);
  EXPECT_EQ(table.lowest_free_slot(), 1);
  EXPECT_TRUE(table.listed_slots().empty());
}

TEST(ClientTable, FillsLowestFreeSlotsAndHoldsAtMost96) {
  ClientTable table;
  for (int i = 1; i <= max_clients; ++i) {
    ASSERT_EQ(table.lowest_free_slot(), i);
    table.store(i, static_cast<SocketHandle>(1000 + i), "127.0.0.1");
  }
  EXPECT_EQ(table.count(), 96);
  EXPECT_EQ(table.lowest_free_slot(), 0);  // the 97th client finds no slot
  table.release(40);
  EXPECT_EQ(table.lowest_free_slot(), 40);
  EXPECT_EQ(table.count(), 95);
}

TEST(ClientTable, FindsAndFreesASocketsSlot) {
  ClientTable table;
  table.store(1, 11, "10.0.0.1");
  table.store(2, 22, "10.0.0.2");
  EXPECT_EQ(table.slot_of(22), 2);
  EXPECT_EQ(table.slot_of(33), 0);
  EXPECT_EQ(table.slot_of(0), 0);  // the client socket's "none" never hits slot 0
  table.release(table.slot_of(22));
  EXPECT_FALSE(table.holds_client(2));
  EXPECT_EQ(table.slot(2).socket, 0u);
  EXPECT_EQ(std::string(table.slot(2).address), " ");
  table.release(0);  // the reserved slot cannot be freed
  EXPECT_EQ(table.slot(0).in_use, 1);
}

TEST(ClientTable, AddressIsCutToFifteenCharacters) {
  ClientTable table;
  table.store(1, 5, "255.255.255.255");
  EXPECT_EQ(std::string(table.slot(1).address), "255.255.255.255");
  table.store(2, 6, "1234567890123456789");
  EXPECT_EQ(std::string(table.slot(2).address), "123456789012345");
}

TEST(ClientTable, RowsFollowSlotOrderAndSkipGaps) {
  ClientTable table;
  table.store(1, 11, "10.0.0.1");
  table.store(2, 22, "10.0.0.2");
  table.store(3, 33, "10.0.0.3");
  EXPECT_EQ(table.listed_slots(), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(table.slot_for_row(1), 2);

  table.release(2);  // a client in the middle leaves
  EXPECT_EQ(table.listed_slots(), (std::vector<int>{1, 3}));
  EXPECT_EQ(table.slot_for_row(1), 3);  // the row shows slot 3 and chooses slot 3
  EXPECT_EQ(table.slot_for_row(2), 0);
  EXPECT_EQ(table.slot_for_row(-1), 0);
}

TEST(ClientTable, OnlyClientSlotsHoldClients) {
  ClientTable table;
  table.store(1, 11, "10.0.0.1");
  EXPECT_TRUE(table.holds_client(1));
  for (int bad : {-1, 0, 2, 97, 1000}) EXPECT_FALSE(table.holds_client(bad)) << bad;
  table.store(0, 99, "x");
  table.store(97, 99, "x");
  EXPECT_EQ(table.count(), 1);
}

}  // namespace
}  // namespace kyz
