#include "core/links/fleet_table.h"

#include <algorithm>
#include <cstdio>

namespace kyz {
namespace {

std::string seconds(Millis ms) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f s", static_cast<double>(ms) / 1000.0);
  return text;
}

std::string padded(std::string text, std::size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

}  // namespace

FleetRow fleet_row(int adapter, const std::string& address, const PacedExchange& exchange) {
  return {adapter, address, exchange.answered(), exchange.total(), exchange.failure(), exchange.elapsed_ms()};
}

FleetRow unreachable_row(int adapter, const std::string& address, int total, const std::string& error) {
  return {adapter, address, 0, total, error, 0};
}

std::string format_fleet_table(const std::vector<FleetRow>& rows) {
  std::size_t address_width = std::string("address").size();
  for (const FleetRow& row : rows) address_width = std::max(address_width, row.address.size());
  std::string table = "adapter  " + padded("address", address_width) + "  answered     time  first error\n";
  for (const FleetRow& row : rows) {
    char number[16];
    std::snprintf(number, sizeof number, "%7d", row.adapter);
    char counts[64];
    std::snprintf(counts, sizeof counts, "%8s  %7s",
                  (std::to_string(row.answered) + "/" + std::to_string(row.total)).c_str(),
                  seconds(row.time_ms).c_str());
    table += std::string(number) + "  " + padded(row.address, address_width) + "  " + counts + "  " +
             (row.first_error.empty() ? "-" : row.first_error) + "\n";
  }
  return table;
}

std::string fleet_summary(const std::vector<FleetRow>& rows, Millis wall_ms) {
  int failed = 0;
  Millis shortest = 0, longest = 0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (!rows[i].first_error.empty()) ++failed;
    shortest = i == 0 ? rows[i].time_ms : std::min(shortest, rows[i].time_ms);
    longest = i == 0 ? rows[i].time_ms : std::max(longest, rows[i].time_ms);
  }
  const int good = static_cast<int>(rows.size()) - failed;
  return std::to_string(rows.size()) + " adapters: " + std::to_string(good) + " completed, " +
         std::to_string(failed) + " failed; wall time " + seconds(wall_ms) + ", per adapter " +
         seconds(shortest) + " .. " + seconds(longest);
}

std::string backup_file_name(const FleetRow& row) {
  char number[16];
  std::snprintf(number, sizeof number, "%02d_", row.adapter);
  std::string name = number + row.address + ".dat";
  std::replace(name.begin(), name.end(), ':', '_');
  return name;
}

}  // namespace kyz
