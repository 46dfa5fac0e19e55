#include "core/links/client_table.h"

#include <algorithm>
#include <cstring>

namespace kyz {

ClientTable client_table;

void ClientTable::reset() {
  for (ClientSlot& s : slots_) s = ClientSlot{};
  slots_[0].in_use = 1;
}

int ClientTable::lowest_free_slot() const {
  for (int i = 1; i <= max_clients; ++i) {
    if (!slots_[i].in_use) return i;
  }
  return 0;
}

void ClientTable::store(int slot, SocketHandle socket, std::string_view address) {
  if (slot < 1 || slot > max_clients) return;
  ClientSlot& s = slots_[slot];
  s.in_use = 1;
  s.socket = socket;
  const std::size_t n = std::min(address.size(), sizeof s.address - 1);
  std::memcpy(s.address, address.data(), n);
  s.address[n] = '\0';
}

int ClientTable::slot_of(SocketHandle socket) const {
  if (socket == 0) return 0;
  for (int i = 1; i <= max_clients; ++i) {
    if (slots_[i].in_use && slots_[i].socket == socket) return i;
  }
  return 0;
}

void ClientTable::release(int slot) {
  if (slot < 1 || slot > max_clients) return;
  ClientSlot& s = slots_[slot];
  s.in_use = 0;
  s.socket = 0;
  std::memset(s.address, 0, sizeof s.address);
  s.address[0] = ' ';
}

int ClientTable::count() const {
  int n = 0;
  for (int i = 1; i <= max_clients; ++i) n += slots_[i].in_use ? 1 : 0;
  return n;
}

bool ClientTable::holds_client(int slot) const {
  return slot >= 1 && slot <= max_clients && slots_[slot].in_use;
}

std::vector<int> ClientTable::listed_slots() const {
  std::vector<int> rows;
  for (int i = 1; i <= max_clients; ++i) {
    if (slots_[i].in_use) rows.push_back(i);
  }
  return rows;
}

int ClientTable::slot_for_row(int row) const {
  if (row < 0) return 0;
  for (int i = 1; i <= max_clients; ++i) {
    if (slots_[i].in_use && row-- == 0) return i;
  }
  return 0;
}

void reset_client_table() { client_table.reset(); }

int count_clients() { return client_table.count(); }

}  // namespace kyz
