// The TCP server's table of connected sign adapters.
//
// 97 slots: slot 0 is reserved (always marked in use after a reset and never holds a
// client), slots 1..96 hold accepted connections. A slot keeps its number for the life
// of its connection, and select_number names the destination by slot number.
//
// The server dialog lists the slots that hold a client in slot order, one row each, so
// a table with gaps (a client in the middle disconnected) shows no empty rows and still
// shows every client; slot_for_row() maps a row back to its slot for the destination
// choice.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace kyz {

// A platform socket handle (SOCKET on Windows); 0 = none.
using SocketHandle = std::uintptr_t;

inline constexpr int client_slot_count = 97;
inline constexpr int max_clients = client_slot_count - 1;

struct ClientSlot {
  std::int32_t in_use = 0;
  SocketHandle socket = 0;
  char address[16] = {};  // dotted decimal, at most 15 characters; " " when freed
};

class ClientTable {
 public:
  ClientTable() { reset(); }

  // Every slot zero, then slot 0 marked in use.
  void reset();
  // The lowest free slot among 1..max_clients, or 0 when all are taken.
  int lowest_free_slot() const;
  // Takes slot `slot` (1..max_clients) for `socket` connected from `address`.
  void store(int slot, SocketHandle socket, std::string_view address);
  // The client slot holding `socket`, or 0 when none does.
  int slot_of(SocketHandle socket) const;
  // Frees client slot `slot`: socket 0, address a single space. Slot 0 stays reserved.
  void release(int slot);
  // Number of slots 1..max_clients in use.
  int count() const;
  // True when `slot` is 1..max_clients and holds a client.
  bool holds_client(int slot) const;
  // The slots holding clients, in slot order: the rows of the client list.
  std::vector<int> listed_slots() const;
  // The slot shown in row `row` of the client list, or 0 when the row shows none.
  int slot_for_row(int row) const;

  const ClientSlot& slot(int index) const { return slots_[index]; }

 private:
  ClientSlot slots_[client_slot_count];
};

// The server's one table.
extern ClientTable client_table;

void reset_client_table();
int count_clients();

}  // namespace kyz
