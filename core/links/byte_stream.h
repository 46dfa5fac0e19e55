// Links to signs for a tool that talks to them itself, one command at a time, without
// window messages or threads: a serial line, a TCP connection to a sign's network
// adapter, and a listening socket that sign adapters connect to. The calls themselves
// live in posix/ and win32/; every wait is bounded by the time the caller gives.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/links/paced_exchange.h"

namespace kyz {

// One open link to one sign.
class ByteStream {
 public:
  virtual ~ByteStream() = default;
  // Writes all of `bytes`. False with `error` set when the link cannot take them.
  virtual bool write_all(std::string_view bytes, std::string& error) = 0;
  // Waits at most `timeout_ms` for bytes: their count (> 0) in `buffer`, 0 when none
  // came, -1 when the link has ended (`error` says how).
  virtual int read_within(char* buffer, std::size_t size, Millis timeout_ms, std::string& error) = 0;
  // The socket to wait on together with others (wait_for_sockets); -1 for a serial line.
  virtual std::intptr_t socket_handle() const { return -1; }
};

struct HostPort {
  std::string host;
  std::uint16_t port = 0;
};

// "HOST:PORT" with a port of 1..65535; empty when the text is not of that form.
std::optional<HostPort> parse_host_port(std::string_view text);

// Opens a serial port (Linux: a device path such as /dev/ttyUSB0; Windows: COM1..COM256)
// at 38400 baud, 8 data bits, even parity, 1 stop bit, RTS/CTS and XON/XOFF handshake.
// A port that does not exist, is in use or is no serial port: empty with `error` set.
std::unique_ptr<ByteStream> open_serial_stream(const std::string& port, std::string& error);

// Connects to a sign's network adapter within `timeout_ms`.
std::unique_ptr<ByteStream> connect_tcp_stream(const HostPort& target, Millis timeout_ms,
                                               std::string& error);

struct Connection {
  std::unique_ptr<ByteStream> stream;  // empty when it could not be made
  std::string error;
};

// Connects to every target at once; all attempts end within `timeout_ms`.
std::vector<Connection> connect_tcp_streams(const std::vector<HostPort>& targets, Millis timeout_ms);

struct Arrival {
  std::unique_ptr<ByteStream> stream;
  std::string address;  // the adapter's IPv4 address, dotted decimal
};

// A listening socket on every local address that sign adapters connect to.
class AdapterListener {
 public:
  virtual ~AdapterListener() = default;
  // Takes every connection waiting, after waiting at most `timeout_ms` for the first.
  virtual std::vector<Arrival> accept_waiting(Millis timeout_ms) = 0;
  virtual std::intptr_t socket_handle() const = 0;
};

// Listens on `port`; empty with `error` set when the port cannot be had.
std::unique_ptr<AdapterListener> listen_for_adapters(std::uint16_t port, std::string& error);

// Waits at most `timeout_ms` until some of `sockets` can be read (or have closed): the
// positions of those in `sockets`.
std::vector<std::size_t> wait_for_sockets(const std::vector<std::intptr_t>& sockets, Millis timeout_ms);

// A steady clock in milliseconds, for the exchanges.
Millis steady_now_ms();

}  // namespace kyz
