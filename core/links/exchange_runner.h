// Drives paced exchanges over open links: one sign, or a fleet of adapters in parallel
// in one loop (no threads: every socket is waited on together).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/links/byte_stream.h"
#include "core/links/paced_exchange.h"

namespace kyz {

// Called after every answered command and once at the end.
using ExchangeProgress = std::function<void(const PacedExchange&)>;

// Runs `exchange` over `stream` until it succeeds or fails.
void run_exchange(PacedExchange& exchange, ByteStream& stream, const ExchangeProgress& progress = {});

struct FleetMember {
  ByteStream* stream;
  PacedExchange* exchange;
};

// Runs every member's exchange at once until all have finished. Adapters that connect
// to `latecomers` meanwhile are told no (connection closed at once) and reported to
// `refused` with their address. `progress` is called after every answered command of
// any member.
void run_fleet(std::vector<FleetMember>& members, AdapterListener* latecomers,
               const std::function<void(const std::string& address)>& refused,
               const std::function<void()>& progress = {});

}  // namespace kyz
