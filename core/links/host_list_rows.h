// The rows of the TCP/IP dialogs' host list: "192 .168 .001 .010", each octet as three
// digits, the first three followed by a blank and a full stop (18 characters).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/settings/configuration.h"

namespace kyz {

std::string host_row_text(const HostAddress& host);

// The address back from a row's text, read at the digits' fixed places; empty when a
// place holds no three-digit number of 0..255.
std::optional<HostAddress> host_from_row_text(std::string_view row);

}  // namespace kyz
