// Where a TCP link connects or listens: the port from the configured port text and the
// dotted address of a host of the host list.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/settings/configuration.h"

namespace kyz {

// The decimal value of the leading digits of the port text ("09004" is 9004, "" is 0).
// Empty when the value does not fit a TCP port, so a typo such as "99999" is refused
// instead of silently landing on another port.
std::optional<std::uint16_t> tcp_port_from_text(std::string_view text);

// "192.168.1.10": four plain decimal octets, octet 0 first.
std::string dotted_address(const HostAddress& host);

// The row of the host list: each octet as three digits, the first three followed by a
// blank and a full stop ("010 .000 .000 .005"), 18 characters.
std::string host_list_row(const HostAddress& host);

// The address back from a row's text, read at the digits' fixed places; empty when a
// place holds no three-digit number of 0..255.
std::optional<HostAddress> host_from_list_row(std::string_view row);

// The dotted address of host `select_number`; empty when it names no entry of the list.
std::optional<std::string> selected_host_address(const LinkConfiguration& config);

}  // namespace kyz
