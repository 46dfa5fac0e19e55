#include "core/links/host_list_rows.h"

#include <cstdio>

namespace kyz {

namespace {
constexpr std::size_t octet_stride = 5;  // "192 ."
}  // namespace

std::string host_row_text(const HostAddress& host) {
  char row[32];
  std::snprintf(row, sizeof row, "%03u .%03u .%03u .%03u", host[0], host[1], host[2], host[3]);
  return row;
}

std::optional<HostAddress> host_from_row_text(std::string_view row) {
  HostAddress host{};
  for (std::size_t j = 0; j < host.size(); ++j) {
    const std::size_t at = j * octet_stride;
    if (row.size() < at + 3) return std::nullopt;
    int value = 0;
    for (std::size_t k = at; k < at + 3; ++k) {
      if (row[k] < '0' || row[k] > '9') return std::nullopt;
      value = value * 10 + (row[k] - '0');
    }
    if (value > 255) return std::nullopt;
    host[j] = static_cast<std::uint8_t>(value);
  }
  return host;
}

}  // namespace kyz
