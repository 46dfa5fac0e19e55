#include "tools/kyz424ctl/fleet_commands.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "core/links/exchange_runner.h"
#include "core/links/fleet_table.h"
#include "core/settings/file_io.h"
#include "tools/kyz424ctl/console.h"
#include "tools/kyz424ctl/data_files.h"

namespace kyz::ctl {
namespace {

constexpr Millis default_listen_timeout_ms = 60000;
constexpr Millis default_connect_timeout_ms = 5000;
constexpr Millis progress_period_ms = 100;

struct Adapter {
  int number = 0;
  std::string address;
  std::unique_ptr<ByteStream> stream;  // empty when it could not be reached
  std::string error;
};

struct Fleet {
  std::unique_ptr<AdapterListener> listener;  // server mode
  std::vector<Adapter> adapters;
  int expected = 0;
};

// Server mode: waits for the adapters to connect; those beyond the number asked for
// are refused at once, as the server refuses a 97th.
bool wait_for_adapters(const Options& o, Fleet& fleet) {
  std::string error;
  fleet.listener = listen_for_adapters(o.listen_port, error);
  if (!fleet.listener) {
    report(error, exit_sign_trouble);
    return false;
  }
  fleet.expected = o.adapters;
  const Millis timeout = o.timeout_ms.value_or(default_listen_timeout_ms);
  const Millis deadline = steady_now_ms() + timeout;
  int count = 0;
  for (Millis left = timeout; count < o.adapters && left > 0; left = deadline - steady_now_ms()) {
    show_progress("waiting for adapters on port " + std::to_string(o.listen_port) + ": " + std::to_string(count) +
                  "/" + std::to_string(o.adapters));
    for (Arrival& arrival : fleet.listener->accept_waiting(std::min<Millis>(left, progress_period_ms))) {
      if (count == o.adapters) {
        report("refused adapter " + arrival.address + ": " + std::to_string(o.adapters) + " already connected",
               exit_sign_trouble);
        continue;
      }
      ++count;
      fleet.adapters.push_back({count, arrival.address, std::move(arrival.stream), {}});
    }
  }
  end_progress();
  if (count < o.adapters) {
    report("only " + std::to_string(count) + " of " + std::to_string(o.adapters) + " adapters connected within " +
               seconds_text(timeout),
           exit_sign_trouble);
  }
  return true;
}

std::string trimmed(const std::string& text) {
  std::size_t first = 0, last = text.size();
  while (first < last && std::isspace(static_cast<unsigned char>(text[first]))) ++first;
  while (last > first && std::isspace(static_cast<unsigned char>(text[last - 1]))) --last;
  return text.substr(first, last - first);
}

// Client mode: one HOST:PORT a line (blank lines and lines starting with # are skipped),
// all connected at once.
bool connect_listed(const Options& o, Fleet& fleet) {
  std::string text;
  if (!read_whole_file(o.hosts_file, text)) {
    report("cannot read " + o.hosts_file);
    return false;
  }
  std::vector<HostPort> targets;
  std::vector<std::string> names;
  std::size_t line_number = 0;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::string line = trimmed(text.substr(start, end - start));
    start = end + 1;
    ++line_number;
    if (line.empty() || line[0] == '#') continue;
    const std::optional<HostPort> target = parse_host_port(line);
    if (!target) {
      report(o.hosts_file + ": line " + std::to_string(line_number) + " is not HOST:PORT");
      return false;
    }
    if (static_cast<int>(targets.size()) == most_hosts) {
      report(o.hosts_file + ": more than " + std::to_string(most_hosts) + " hosts");
      return false;
    }
    targets.push_back(*target);
    names.push_back(line);
  }
  if (targets.empty()) {
    report(o.hosts_file + ": no HOST:PORT in it");
    return false;
  }
  show_progress("connecting to " + std::to_string(targets.size()) + " adapters");
  std::vector<Connection> made = connect_tcp_streams(targets, o.timeout_ms.value_or(default_connect_timeout_ms));
  end_progress();
  fleet.expected = static_cast<int>(targets.size());
  for (std::size_t i = 0; i < made.size(); ++i) {
    fleet.adapters.push_back({static_cast<int>(i) + 1, names[i], std::move(made[i].stream), made[i].error});
  }
  return true;
}

bool gather(const Options& o, Fleet& fleet) {
  return o.reach == Reach::listen ? wait_for_adapters(o, fleet) : connect_listed(o, fleet);
}

// Runs one exchange per reachable adapter, all at once; the rows in adapter order.
std::vector<FleetRow> run_all(Fleet& fleet, std::vector<PacedExchange>& exchanges, const char* verb,
                              Millis& wall_ms) {
  std::vector<FleetMember> members;
  int total = 0;
  for (std::size_t i = 0; i < fleet.adapters.size(); ++i) {
    if (!fleet.adapters[i].stream) continue;
    members.push_back({fleet.adapters[i].stream.get(), &exchanges[i]});
    total += exchanges[i].total();
  }
  const Millis start = steady_now_ms();
  Millis shown = 0;
  auto progress = [&] {
    const Millis now = steady_now_ms();
    if (now - shown < progress_period_ms) return;
    shown = now;
    int answered = 0;
    for (const FleetMember& m : members) answered += m.exchange->answered();
    show_progress(std::string(verb) + ": " + std::to_string(answered) + "/" + std::to_string(total) +
                  " commands answered");
  };
  const int expected = fleet.expected;
  run_fleet(members, fleet.listener.get(),
            [expected](const std::string& address) {
              report("refused adapter " + address + ": " + std::to_string(expected) + " already connected",
                     exit_sign_trouble);
            },
            progress);
  end_progress();
  wall_ms = steady_now_ms() - start;

  std::vector<FleetRow> rows;
  for (std::size_t i = 0; i < fleet.adapters.size(); ++i) {
    const Adapter& a = fleet.adapters[i];
    rows.push_back(a.stream ? fleet_row(a.number, a.address, exchanges[i])
                            : unreachable_row(a.number, a.address, exchanges[i].total(), a.error));
  }
  return rows;
}

int finish(const Fleet& fleet, const std::vector<FleetRow>& rows, Millis wall_ms) {
  std::fputs(format_fleet_table(rows).c_str(), stdout);
  std::printf("%s\n", fleet_summary(rows, wall_ms).c_str());
  const bool all_well = static_cast<int>(rows.size()) == fleet.expected &&
                        std::none_of(rows.begin(), rows.end(), [](const FleetRow& r) { return !r.first_error.empty(); });
  return all_well ? exit_ok : exit_sign_trouble;
}

}  // namespace

int push_to_fleet(const Options& o) {
  std::string error;
  const std::optional<ExchangePlan> plan =
      send_plan_of_file(o.files[0], o.program, o.pace, "(not sent to any adapter)", error);
  if (!plan) return report(error);

  Fleet fleet;
  if (!gather(o, fleet)) return exit_sign_trouble;
  std::vector<PacedExchange> exchanges;
  for (std::size_t i = 0; i < fleet.adapters.size(); ++i) {
    exchanges.emplace_back(plan->steps, AnswerKind::accepted, o.answer_timeout_ms);
  }
  Millis wall_ms = 0;
  const std::vector<FleetRow> rows = run_all(fleet, exchanges, "pushing", wall_ms);
  const int status = finish(fleet, rows, wall_ms);
  if (!plan->refusals.empty()) {
    return report(std::to_string(plan->refusals.size()) + " step(s) of " + o.files[0] + " could not be sent (see above)",
                  exit_sign_trouble);
  }
  return status;
}

int back_up_fleet(const Options& o) {
  const std::string& folder = o.files[0];
  std::error_code failure;
  const std::filesystem::path folder_path(std::u8string(folder.begin(), folder.end()));
  std::filesystem::create_directories(folder_path, failure);
  if (!std::filesystem::is_directory(folder_path, failure)) return report("cannot make the folder " + folder);

  Fleet fleet;
  if (!gather(o, fleet)) return exit_sign_trouble;
  const ExchangePlan plan = readback_plan(o.program, true, o.pace);
  std::vector<SettingsRecord> records(fleet.adapters.size());
  std::vector<PacedExchange> exchanges;
  for (SettingsRecord& record : records) {
    reset_settings(record);
    exchanges.emplace_back(plan.steps, AnswerKind::readback, o.answer_timeout_ms, &record);
  }
  Millis wall_ms = 0;
  std::vector<FleetRow> rows = run_all(fleet, exchanges, "reading", wall_ms);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (!rows[i].first_error.empty()) continue;
    std::string error;
    if (!save_data_file(folder + "/" + backup_file_name(rows[i]), records[i], error)) rows[i].first_error = error;
  }
  return finish(fleet, rows, wall_ms);
}

}  // namespace kyz::ctl
