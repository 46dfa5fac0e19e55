#include "tools/kyz424ctl/sign_exchange.h"

#include <cstdio>
#include <memory>

#include "core/links/exchange_runner.h"
#include "tools/kyz424ctl/console.h"
#include "tools/kyz424ctl/data_files.h"

namespace kyz::ctl {
namespace {

constexpr Millis connect_timeout_ms = 5000;

std::string link_name(const Options& o) {
  return o.reach == Reach::serial ? o.serial_port : o.tcp_target.host + ":" + std::to_string(o.tcp_target.port);
}

std::unique_ptr<ByteStream> open_link(const Options& o, std::string& error) {
  if (o.reach == Reach::serial) return open_serial_stream(o.serial_port, error);
  return connect_tcp_stream(o.tcp_target, connect_timeout_ms, error);
}

ExchangeProgress progress_line(const char* verb) {
  return [verb](const PacedExchange& exchange) {
    if (exchange.finished()) return;
    show_progress(std::string(verb) + " " + std::to_string(exchange.answered() + 1) + "/" +
                  std::to_string(exchange.total()) + "  " + printable_excerpt(exchange.current_command(), 16));
  };
}

bool title_request(const std::string& request) {
  return request.size() == 5 && request.starts_with("RCA") && request[3] >= '0' && request[3] <= '9';
}

// The requests, runs of title requests shortened to "RCA05..RCA32".
std::string request_list(const std::vector<std::string>& requests) {
  std::string list;
  for (std::size_t i = 0; i < requests.size(); ++i) {
    std::size_t last = i;
    while (title_request(requests[i]) && last + 1 < requests.size() && title_request(requests[last + 1])) ++last;
    list += " " + requests[i];
    if (last > i) list += ".." + requests[last];
    i = last;
  }
  return list;
}

}  // namespace

int send_to_sign(const Options& o) {
  std::string error;
  const std::optional<ExchangePlan> plan = send_plan_of_file(o.files[0], o.program, o.pace, "(not sent)", error);
  if (!plan) return report(error);

  const std::unique_ptr<ByteStream> link = open_link(o, error);
  if (!link) return report(error, exit_sign_trouble);
  PacedExchange exchange(plan->steps, AnswerKind::accepted, o.answer_timeout_ms);
  run_exchange(exchange, *link, progress_line("sending"));
  end_progress();

  const std::string counts = std::to_string(exchange.answered()) + " of " + std::to_string(exchange.total());
  if (!exchange.succeeded()) {
    return report("send to " + link_name(o) + " stopped after " + counts + " commands: " + exchange.failure(),
                  exit_sign_trouble);
  }
  if (!plan->refusals.empty()) {
    return report("sent " + counts + " commands to " + link_name(o) + ", each answered GO, but " +
                      std::to_string(plan->refusals.size()) + " step(s) could not be sent (see above)",
                  exit_sign_trouble);
  }
  std::printf("sent %s to %s: %d commands, each answered GO (%s)\n", o.files[0].c_str(), link_name(o).c_str(),
              exchange.total(), seconds_text(exchange.elapsed_ms()).c_str());
  return exit_ok;
}

int read_from_sign(const Options& o) {
  std::string error;
  const std::unique_ptr<ByteStream> link = open_link(o, error);
  if (!link) return report(error, exit_sign_trouble);
  SettingsRecord record;
  reset_settings(record);
  const ExchangePlan plan = readback_plan(o.program, o.reach == Reach::tcp, o.pace);
  PacedExchange exchange(plan.steps, AnswerKind::readback, o.answer_timeout_ms, &record);
  run_exchange(exchange, *link, progress_line("reading"));
  end_progress();

  if (!exchange.succeeded()) {
    const std::string not_read = request_list(exchange.unanswered());
    report("read from " + link_name(o) + " stopped after " + std::to_string(exchange.answered()) + " of " +
           std::to_string(exchange.total()) + " requests: " + exchange.failure());
    return report("not read:" + not_read + "; " + o.files[0] + " was not written", exit_sign_trouble);
  }
  if (!save_data_file(o.files[0], record, error)) return report(error);
  std::printf("read %s into %s: %d requests, each answered (%s)\n", link_name(o).c_str(), o.files[0].c_str(),
              exchange.total(), seconds_text(exchange.elapsed_ms()).c_str());
  return exit_ok;
}

}  // namespace kyz::ctl
