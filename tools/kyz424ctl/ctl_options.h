// The command line of kyz424ctl.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/links/byte_stream.h"
#include "core/links/exchange_plans.h"
#include "core/settings/edition.h"

namespace kyz::ctl {

enum class Action { make_new, commands, requests, apply, send, read, push, backup };

// Where the sign or the fleet is.
enum class Reach { none, serial, tcp, listen, hosts };

inline constexpr int most_adapters = 96;  // the server's client table
inline constexpr int most_hosts = 256;    // the programs' host list

struct Options {
  Action action = Action::make_new;
  Edition program = Edition::lx;
  bool over_tcp = false;           // requests: kyz424lx's TCP/IP form
  std::vector<std::string> files;  // IN.dat, OUT.dat or DIR, in the order given
  Reach reach = Reach::none;
  std::string serial_port;         // --serial
  HostPort tcp_target;             // --tcp HOST:PORT
  std::uint16_t listen_port = 0;   // --listen
  int adapters = 0;                // --adapters
  std::string hosts_file;          // --hosts
  Pace pace = Pace::schedule;
  Millis answer_timeout_ms = default_answer_timeout_ms;
  std::optional<Millis> timeout_ms;  // --timeout: for the adapters to connect
};

// Parses the arguments after the program name. Empty with `error` set when they do not
// form one of the commands.
std::optional<Options> parse_options(const std::vector<std::string>& args, std::string& error);

inline constexpr const char* usage_text =
    "usage: kyz424ctl new [--edition lx|mfc] OUT.dat\n"
    "       kyz424ctl commands [--edition lx|mfc] IN.dat\n"
    "       kyz424ctl requests [--edition lx|mfc] [--tcp]\n"
    "       kyz424ctl apply [--edition lx|mfc] IN.dat OUT.dat   (replies on standard input)\n"
    "       kyz424ctl send IN.dat  --serial PORT | --tcp HOST:PORT  [OPTIONS]\n"
    "       kyz424ctl read OUT.dat --serial PORT | --tcp HOST:PORT  [OPTIONS]\n"
    "       kyz424ctl push IN.dat  --listen PORT --adapters N | --hosts FILE  [--timeout S] [OPTIONS]\n"
    "       kyz424ctl backup DIR   --listen PORT --adapters N | --hosts FILE  [--timeout S] [OPTIONS]\n"
    "options: --edition lx|mfc  --pace schedule|answer  --answer-timeout S (default 3.5)\n";

}  // namespace kyz::ctl
