// One connection is a fleet of one: the platform code connects many at once, and a
// single sign goes the same way.
#include "core/links/byte_stream.h"

namespace kyz {

std::unique_ptr<ByteStream> connect_tcp_stream(const HostPort& target, Millis timeout_ms, std::string& error) {
  std::vector<Connection> made = connect_tcp_streams({target}, timeout_ms);
  error = made[0].error;
  return std::move(made[0].stream);
}

}  // namespace kyz
