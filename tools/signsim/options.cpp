#include "tools/signsim/options.h"

#include <charconv>
#include <functional>
#include <map>

namespace kyz::signsim {

const char* const usage_text =
    "usage: signsim CHANNEL... [FILES] [FAULTS]\n"
    "Stands in for a KYZ-424 sign: answers \"GO\" to every well-formed setting command,\n"
    "the current value to every read-back request, \"E3\" to anything else.\n"
    "\n"
    "Channels (any combination; at least one):\n"
    "  --tcp-listen PORT       act as the sign's network adapter on 127.0.0.1:PORT;\n"
    "                          0 chooses a free port (see --port-file)\n"
    "  --port-file FILE        write the port listened on to FILE once listening\n"
    "  --hold-connects         with --tcp-listen: take no connection and keep the port's\n"
    "                          queue full, so that a tool's connect stays pending\n"
    "  --connect HOST:PORT     act as sign adapters connecting to a tool in server mode\n"
    "  --adapters N            number of adapters for --connect, 1..100 (default 1);\n"
    "                          each is its own connection and its own sign, connected\n"
    "                          one after another as adapter1..adapterN\n"
    "  --connect-timeout-ms MS keep retrying a refused connect this long (default 10000)\n"
    "  --adapter-tag           adapter k starts with alarm hold time k (\"RADT\" -> ADT00k)\n"
    "  --serial PATH           answer on a serial device or pseudo-terminal, set to\n"
    "                          38400 baud, 8 data bits, even parity, 1 stop bit\n"
    "\n"
    "Files:\n"
    "  --log FILE              append a time-stamped line per received line, reply and event\n"
    "  --raw-log FILE          append the exact bytes received\n"
    "  --ready-file FILE       write \"ready\" to FILE once every channel is up\n"
    "  --factory-state FILE    setting commands, one per line, applied to every new sign\n"
    "  --state-file FILE       what the sign holds, one read-back reply per line,\n"
    "                          rewritten whenever a setting is accepted; adapter k\n"
    "                          writes FILE.k\n"
    "  --line-limit BYTES      longest line kept (default 4096); a longer line is dropped\n"
    "                          up to its LF and answered \"E3\"\n"
    "\n"
    "Faults (apply to every command unless --on-command or --fault-channel narrow them):\n"
    "  --error-reply TEXT      answer TEXT instead (\"GN\", \"MENU\", \"E0\".. \"E3\", or any\n"
    "                          printable text)\n"
    "  --on-command N[,N...]   only these commands of each connection (counted from 1)\n"
    "  --fault-channel K       only connection/adapter K (serial counts as 1)\n"
    "  --silent                do not answer\n"
    "  --split K               write each reply in K pieces ...\n"
    "  --split-pause-ms MS     ... with this pause between them\n"
    "  --delay-ms MS           wait this long before answering\n"
    "  --close-after N         close the connection after answering command N\n"
    "                          (not limited by --on-command)\n"
    "  --close-mid-answer      write the first half of the reply, then close\n"
    "  --close-on-connect      close the connection as soon as it is made (after\n"
    "                          --delay-ms, when given), before any command\n"
    "  --flood-bytes N         write N bytes of '#' without LF ahead of the reply\n"
    "                          (with --silent: the flood alone)\n"
    "  --answer-twice          write the reply line twice in one write\n"
    "  --help                  show this text\n"
    "\n"
    "Runs until SIGTERM or SIGINT, or until every adapter or serial channel has closed.\n"
    "Exit status: 0 after a clean stop, 1 when a channel cannot be set up, 2 on bad usage.\n";

namespace {

bool to_long(const std::string& text, long low, long high, long& value) {
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  return result.ec == std::errc() && result.ptr == end && value >= low && value <= high;
}

bool to_int(const std::string& text, long low, long high, int& value) {
  long wide = 0;
  if (!to_long(text, low, high, wide)) return false;
  value = static_cast<int>(wide);
  return true;
}

bool printable_reply(const std::string& text) {
  if (text.empty() || text.size() > 400) return false;
  for (char c : text)
    if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E) return false;
  return true;
}

bool parse_command_numbers(const std::string& text, std::set<long>& numbers) {
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t comma = text.find(',', start);
    const std::string item = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    long n = 0;
    if (!to_long(item, 1, 1'000'000'000, n)) return false;
    numbers.insert(n);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return true;
}

bool parse_host_port(const std::string& text, std::string& host, int& port) {
  const std::size_t colon = text.rfind(':');
  if (colon == std::string::npos || colon == 0) return false;
  host = text.substr(0, colon);
  return to_int(text.substr(colon + 1), 1, 65535, port);
}

}  // namespace

bool parse_options(const std::vector<std::string>& args, Options& o, std::string& error) {
  constexpr long max_ms = 3'600'000;
  FaultPlan& f = o.faults;
  // Options that take a value: each parser returns false when the value is unusable.
  const std::map<std::string, std::function<bool(const std::string&)>> with_value = {
      {"--tcp-listen", [&](const std::string& v) { o.tcp_listen = true; return to_int(v, 0, 65535, o.listen_port); }},
      {"--port-file", [&](const std::string& v) { o.port_file = v; return !v.empty(); }},
      {"--connect", [&](const std::string& v) { return parse_host_port(v, o.connect_host, o.connect_port); }},
      {"--adapters", [&](const std::string& v) { return to_int(v, 1, max_adapters, o.adapters); }},
      {"--connect-timeout-ms", [&](const std::string& v) { return to_int(v, 0, max_ms, o.connect_timeout_ms); }},
      {"--serial", [&](const std::string& v) { o.serial_path = v; return !v.empty(); }},
      {"--log", [&](const std::string& v) { o.log_path = v; return !v.empty(); }},
      {"--raw-log", [&](const std::string& v) { o.raw_log_path = v; return !v.empty(); }},
      {"--ready-file", [&](const std::string& v) { o.ready_file = v; return !v.empty(); }},
      {"--factory-state", [&](const std::string& v) { o.factory_state_path = v; return !v.empty(); }},
      {"--state-file", [&](const std::string& v) { o.state_file = v; return !v.empty(); }},
      {"--line-limit", [&](const std::string& v) {
         long n = 0;
         if (!to_long(v, 16, 1 << 20, n)) return false;
         o.line_limit = static_cast<std::size_t>(n);
         return true;
       }},
      {"--error-reply", [&](const std::string& v) { f.error_reply = v; return printable_reply(v); }},
      {"--on-command", [&](const std::string& v) { return parse_command_numbers(v, f.on_commands); }},
      {"--fault-channel", [&](const std::string& v) { return to_int(v, 1, 1'000'000, f.fault_channel); }},
      {"--split", [&](const std::string& v) { return to_int(v, 1, 1000, f.split_parts); }},
      {"--split-pause-ms", [&](const std::string& v) { return to_int(v, 0, max_ms, f.split_pause_ms); }},
      {"--delay-ms", [&](const std::string& v) { return to_int(v, 0, max_ms, f.delay_ms); }},
      {"--close-after", [&](const std::string& v) { return to_long(v, 1, 1'000'000'000, f.close_after); }},
      {"--flood-bytes", [&](const std::string& v) { return to_long(v, 1, 64L << 20, f.flood_bytes); }},
  };
  const std::map<std::string, bool*> switches = {
      {"--help", &o.help},
      {"--hold-connects", &o.hold_connects},
      {"--adapter-tag", &o.adapter_tag},
      {"--silent", &f.silent},
      {"--close-mid-answer", &f.close_mid_answer},
      {"--close-on-connect", &f.close_on_connect},
      {"--answer-twice", &f.answer_twice},
  };

  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& name = args[i];
    if (const auto s = switches.find(name); s != switches.end()) {
      *s->second = true;
      continue;
    }
    const auto v = with_value.find(name);
    if (v == with_value.end()) {
      error = "unknown option " + name;
      return false;
    }
    if (i + 1 >= args.size()) {
      error = name + " needs a value";
      return false;
    }
    if (!v->second(args[++i])) {
      error = "unusable value for " + name + ": " + args[i];
      return false;
    }
  }
  if (o.help) return true;
  if (!o.tcp_listen && o.connect_host.empty() && o.serial_path.empty()) {
    error = "no channel: give --tcp-listen, --connect or --serial";
    return false;
  }
  if (!o.port_file.empty() && !o.tcp_listen) {
    error = "--port-file needs --tcp-listen";
    return false;
  }
  if (o.hold_connects && !o.tcp_listen) {
    error = "--hold-connects needs --tcp-listen";
    return false;
  }
  return true;
}

}  // namespace kyz::signsim
