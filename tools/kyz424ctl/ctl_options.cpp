#include "tools/kyz424ctl/ctl_options.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdlib>

namespace kyz::ctl {
namespace {

// What a command takes besides --edition.
enum Takes : unsigned {
  takes_tcp_switch = 1,  // requests: --tcp without a value
  takes_one_sign = 2,    // --serial PORT | --tcp HOST:PORT
  takes_fleet = 4,       // --listen PORT --adapters N | --hosts FILE, --timeout S
};

struct ActionShape {
  const char* name;
  Action action;
  std::size_t files;  // how many file arguments it takes
  unsigned takes;
};

constexpr ActionShape actions[] = {
    {"new", Action::make_new, 1, 0},
    {"commands", Action::commands, 1, 0},
    {"requests", Action::requests, 0, takes_tcp_switch},
    {"apply", Action::apply, 2, 0},
    {"send", Action::send, 1, takes_one_sign},
    {"read", Action::read, 1, takes_one_sign},
    {"push", Action::push, 1, takes_fleet},
    {"backup", Action::backup, 1, takes_fleet},
};

bool whole_number(const std::string& text, long low, long high, long& value) {
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  return !text.empty() && result.ec == std::errc() && result.ptr == end && value >= low && value <= high;
}

// Seconds such as "3.5" as milliseconds, 0.1 s to one hour.
bool seconds_value(const std::string& text, Millis& ms) {
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (text.empty() || end != text.c_str() + text.size() || !std::isfinite(value) || value < 0.1 ||
      value > 3600) {
    return false;
  }
  ms = static_cast<Millis>(std::lround(value * 1000));
  return true;
}

// Applies option `name` with `value`; false with `error` set when it does not fit.
bool take_valued(const ActionShape& shape, const std::string& name, const std::string& value, Options& o,
                 std::string& error) {
  const bool one_sign = shape.takes & takes_one_sign;
  const bool fleet = shape.takes & takes_fleet;
  const bool linked = one_sign || fleet;
  auto choose_reach = [&](Reach reach) {
    if (o.reach != Reach::none) {
      error = "give only one of " + std::string(one_sign ? "--serial and --tcp" : "--listen and --hosts");
      return false;
    }
    o.reach = reach;
    return true;
  };
  if (name == "--edition") {
    if (value == "lx" || value == "mfc") {
      o.program = value == "lx" ? Edition::lx : Edition::mfc;
      return true;
    }
    error = "unknown edition \"" + value + "\" (lx or mfc)";
    return false;
  }
  if (name == "--serial" && one_sign) {
    o.serial_port = value;
    return choose_reach(Reach::serial);
  }
  if (name == "--tcp" && one_sign) {
    const std::optional<HostPort> target = parse_host_port(value);
    if (!target) {
      error = "--tcp needs HOST:PORT, not \"" + value + "\"";
      return false;
    }
    o.tcp_target = *target;
    return choose_reach(Reach::tcp);
  }
  if (name == "--listen" && fleet) {
    long port = 0;
    if (!whole_number(value, 1, 65535, port)) {
      error = "--listen needs a port 1..65535";
      return false;
    }
    o.listen_port = static_cast<std::uint16_t>(port);
    return choose_reach(Reach::listen);
  }
  if (name == "--hosts" && fleet) {
    o.hosts_file = value;
    return choose_reach(Reach::hosts);
  }
  if (name == "--adapters" && fleet) {
    long n = 0;
    if (!whole_number(value, 1, most_adapters, n)) {
      error = "--adapters needs 1.." + std::to_string(most_adapters) + " (the server takes at most " +
              std::to_string(most_adapters) + ")";
      return false;
    }
    o.adapters = static_cast<int>(n);
    return true;
  }
  if (name == "--timeout" && fleet) {
    Millis ms = 0;
    if (!seconds_value(value, ms)) {
      error = "--timeout needs seconds, 0.1..3600";
      return false;
    }
    o.timeout_ms = ms;
    return true;
  }
  if (name == "--answer-timeout" && linked) {
    if (!seconds_value(value, o.answer_timeout_ms)) {
      error = "--answer-timeout needs seconds, 0.1..3600";
      return false;
    }
    return true;
  }
  if (name == "--pace" && linked) {
    if (value == "schedule" || value == "answer") {
      o.pace = value == "schedule" ? Pace::schedule : Pace::answer;
      return true;
    }
    error = "--pace needs schedule or answer";
    return false;
  }
  error = "unknown option \"" + name + "\"";
  return false;
}

// The link options a command needs, once all are read.
bool complete(const ActionShape& shape, const Options& o, std::string& error) {
  const std::string name = shape.name;
  if ((shape.takes & takes_one_sign) && o.reach == Reach::none) {
    error = name + " needs --serial PORT or --tcp HOST:PORT";
    return false;
  }
  if (shape.takes & takes_fleet) {
    if (o.reach == Reach::none) {
      error = name + " needs --listen PORT --adapters N, or --hosts FILE";
      return false;
    }
    if (o.reach == Reach::listen && o.adapters == 0) {
      error = name + " --listen needs --adapters N";
      return false;
    }
    if (o.reach == Reach::hosts && o.adapters != 0) {
      error = "--adapters goes with --listen; with --hosts every listed host is one adapter";
      return false;
    }
  }
  return true;
}

}  // namespace

std::optional<Options> parse_options(const std::vector<std::string>& args, std::string& error) {
  if (args.empty()) {
    error = "no command given";
    return std::nullopt;
  }
  const ActionShape* shape = nullptr;
  for (const ActionShape& candidate : actions) {
    if (args[0] == candidate.name) shape = &candidate;
  }
  if (!shape) {
    error = "unknown command \"" + args[0] + "\"";
    return std::nullopt;
  }
  Options options;
  options.action = shape->action;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--tcp" && (shape->takes & takes_tcp_switch)) {
      options.over_tcp = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      if (i + 1 >= args.size()) {
        error = arg + " needs a value";
        return std::nullopt;
      }
      if (!take_valued(*shape, arg, args[++i], options, error)) return std::nullopt;
    } else {
      options.files.push_back(arg);
    }
  }
  if (options.files.size() != shape->files) {
    error = std::string(shape->name) + " takes " + std::to_string(shape->files) +
            (shape->files == 1 ? " file" : " files");
    return std::nullopt;
  }
  if (!complete(*shape, options, error)) return std::nullopt;
  return options;
}

}  // namespace kyz::ctl
