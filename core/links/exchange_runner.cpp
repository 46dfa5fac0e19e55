#include "core/links/exchange_runner.h"

#include <algorithm>

namespace kyz {
namespace {

constexpr std::size_t chunk_size = 4096;

// Hands out every command due at `now`. True when one was written.
bool send_due(PacedExchange& exchange, ByteStream& stream, Millis now) {
  const std::optional<std::string> command = exchange.command_due(now);
  if (!command) return false;
  std::string error;
  if (!stream.write_all(*command, error)) exchange.write_failed(error, steady_now_ms());
  return true;
}

void take_input(PacedExchange& exchange, ByteStream& stream, Millis timeout_ms) {
  char chunk[chunk_size];
  std::string error;
  const int n = stream.read_within(chunk, sizeof chunk, timeout_ms, error);
  const Millis now = steady_now_ms();
  if (n > 0) {
    exchange.received(std::string_view(chunk, static_cast<std::size_t>(n)), now);
  } else if (n < 0) {
    exchange.link_lost(error, now);
  }
  exchange.check_timeout(now);
}

}  // namespace

void run_exchange(PacedExchange& exchange, ByteStream& stream, const ExchangeProgress& progress) {
  int reported = -1;
  while (!exchange.finished()) {
    if (send_due(exchange, stream, steady_now_ms())) continue;
    take_input(exchange, stream, exchange.wait_ms(steady_now_ms()));
    if (progress && exchange.answered() != reported) {
      reported = exchange.answered();
      progress(exchange);
    }
  }
  if (progress) progress(exchange);
}

void run_fleet(std::vector<FleetMember>& members, AdapterListener* latecomers,
               const std::function<void(const std::string&)>& refused,
               const std::function<void()>& progress) {
  for (;;) {
    Millis now = steady_now_ms();
    std::vector<std::intptr_t> sockets;
    std::vector<FleetMember*> waiting;
    Millis wait = -1;
    for (FleetMember& member : members) {
      while (!member.exchange->finished() && send_due(*member.exchange, *member.stream, now)) {
      }
      if (member.exchange->finished()) continue;
      const Millis due = member.exchange->wait_ms(steady_now_ms());
      wait = wait < 0 ? due : std::min(wait, due);
      sockets.push_back(member.stream->socket_handle());
      waiting.push_back(&member);
    }
    if (waiting.empty()) return;
    const std::size_t members_waiting = sockets.size();
    if (latecomers) sockets.push_back(latecomers->socket_handle());

    const std::vector<std::size_t> ready = wait_for_sockets(sockets, wait);
    for (std::size_t index : ready) {
      if (index == members_waiting) {
        for (const Arrival& arrival : latecomers->accept_waiting(0)) {
          if (refused) refused(arrival.address);
        }
        continue;
      }
      PacedExchange& exchange = *waiting[index]->exchange;
      const int before = exchange.answered();
      take_input(exchange, *waiting[index]->stream, 0);
      if (progress && exchange.answered() != before) progress();
    }
    now = steady_now_ms();
    for (FleetMember* member : waiting) member->exchange->check_timeout(now);
  }
}

}  // namespace kyz
