#include "core/links/tcp_destination.h"

#include <cstdio>

namespace kyz {

std::optional<std::uint16_t> tcp_port_from_text(std::string_view text) {
  unsigned long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    value = value * 10 + static_cast<unsigned long>(c - '0');
    if (value > 65535) return std::nullopt;
  }
  return static_cast<std::uint16_t>(value);
}

std::string dotted_address(const HostAddress& host) {
  return std::to_string(host[0]) + '.' + std::to_string(host[1]) + '.' +
         std::to_string(host[2]) + '.' + std::to_string(host[3]);
}

std::string host_list_row(const HostAddress& host) {
  char row[19];
  std::snprintf(row, sizeof row, "%03u .%03u .%03u .%03u", unsigned{host[0]}, unsigned{host[1]},
                unsigned{host[2]}, unsigned{host[3]});
  return row;
}

std::optional<std::string> selected_host_address(const LinkConfiguration& config) {
  const int index = config.select_number;
  if (index < 0 || index >= config.list_count || index >= host_capacity) return std::nullopt;
  return dotted_address(config.host_list[static_cast<std::size_t>(index)]);
}

std::optional<HostAddress> host_from_list_row(std::string_view row) {
  constexpr std::size_t octet_stride = 5;  // "192 ."
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
