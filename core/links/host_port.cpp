#include <charconv>
#include <chrono>

#include "core/links/byte_stream.h"

namespace kyz {

std::optional<HostPort> parse_host_port(std::string_view text) {
  const std::size_t colon = text.rfind(':');
  if (colon == std::string_view::npos || colon == 0 || colon + 1 == text.size()) return std::nullopt;
  unsigned value = 0;
  const char* first = text.data() + colon + 1;
  const char* last = text.data() + text.size();
  const auto result = std::from_chars(first, last, value);
  if (result.ec != std::errc() || result.ptr != last || value == 0 || value > 65535) return std::nullopt;
  return HostPort{std::string(text.substr(0, colon)), static_cast<std::uint16_t>(value)};
}

Millis steady_now_ms() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace kyz
