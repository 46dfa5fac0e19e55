// The report of one operation on a fleet of sign adapters: one row per adapter, and
// where each adapter's backup goes.
#pragma once

#include <string>
#include <vector>

#include "core/links/paced_exchange.h"

namespace kyz {

struct FleetRow {
  int adapter = 0;      // 1.. in the order the adapters connected (or were listed)
  std::string address;  // "192.168.1.17", or "HOST:PORT" in client mode
  int answered = 0;
  int total = 0;
  std::string first_error;  // empty when every command was answered as wanted
  Millis time_ms = 0;
};

FleetRow fleet_row(int adapter, const std::string& address, const PacedExchange& exchange);
// A row for an adapter that could not be reached at all.
FleetRow unreachable_row(int adapter, const std::string& address, int total, const std::string& error);

// The table: a heading, one line per row in adapter order, columns "adapter",
// "address", "answered" (as n/total), "time" (seconds) and, last because it is the
// widest, "first error" ("-" for none).
std::string format_fleet_table(const std::vector<FleetRow>& rows);

// One line: how many adapters succeeded and failed, the wall time and the spread of the
// adapters' own times.
std::string fleet_summary(const std::vector<FleetRow>& rows, Millis wall_ms);

// The backup file of an adapter inside the backup folder: "07_192.168.1.17.dat"
// (":" of a client-mode address becomes "_", so the name is valid on every system).
std::string backup_file_name(const FleetRow& row);

}  // namespace kyz
