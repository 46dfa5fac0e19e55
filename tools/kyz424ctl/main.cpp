// kyz424ctl: the settings data files and the sign's command texts from the command
// line, on the same core as the programs. See usage_text for the commands.
//
// Offline, standard output carries only command bytes; refusals and the sign's reports
// go to standard error as the programs' own message texts. send, read, push and backup
// talk to signs themselves and print a one-line result (push and backup: a table).
// Exit status 1 means the link or a sign failed, 2 a bad argument or a file that
// cannot be read or written.
#include <cstdio>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include "core/ui/win32/text_encoding.h"
#endif

#include "core/protocol/all_items.h"
#include "core/protocol/readback.h"
#include "core/protocol/reply_handlers.h"
#include "core/settings/data_file.h"
#include "core/settings/file_io.h"
#include "core/settings/settings_record.h"
#include "core/ui/message_boxes.h"
#include "tools/kyz424ctl/console.h"
#include "tools/kyz424ctl/ctl_options.h"
#include "tools/kyz424ctl/data_files.h"
#include "tools/kyz424ctl/fleet_commands.h"
#include "tools/kyz424ctl/sign_exchange.h"

namespace kyz::ctl {
namespace {

int fail(const std::string& message) { return report(message, exit_trouble); }

void write_out(const std::string& bytes) {
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

bool load(const std::string& path, std::string& error) {
  return load_data_file(path, settings, false, error);
}

bool save(const std::string& path, std::string& error) { return save_data_file(path, settings, error); }

int make_new(const Options& options) {
  reset_settings(settings);
  std::string error;
  return save(options.files[0], error) ? exit_ok : fail(error);
}

int print_commands(const Options& options) {
  std::string error;
  if (!load(options.files[0], error)) return fail(error);
  for (const AllItemsCommand& command : all_items_commands(settings, options.program)) {
    if (!command.refusal.empty()) {
      std::fflush(stdout);
      if (command.refusal_box == BoxKind::error) {
        error_box(command.refusal);
      } else {
        warning_box(command.refusal);
      }
      continue;
    }
    write_out(command.text);
  }
  return exit_ok;
}

int print_requests(const Options& options) {
  for (const std::string& request : readback_requests(options.program, options.over_tcp)) {
    write_out(request);
  }
  return exit_ok;
}

std::string read_standard_input() {
  std::string text;
  char chunk[4096];
  std::size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, stdin)) > 0) text.append(chunk, got);
  return text;
}

// Every line of standard input goes to the serial reply handler, as the read thread
// hands over what the sign sends; a last piece without LF is no complete reply.
int apply_replies(const Options& options) {
  std::string error;
  if (!load(options.files[0], error)) return fail(error);
  const std::string input = read_standard_input();
  std::size_t start = 0;
  for (std::size_t end; (end = input.find('\n', start)) != std::string::npos; start = end + 1) {
    serial_reply_handler(std::string_view(input).substr(start, end + 1 - start));
  }
  if (start < input.size()) {
    std::fprintf(stderr, "kyz424ctl: the last line of standard input has no LF and was ignored\n");
  }
  return save(options.files[1], error) ? exit_ok : fail(error);
}

int run(const std::vector<std::string>& args) {
  std::string error;
  const std::optional<Options> options = parse_options(args, error);
  if (!options) {
    std::fprintf(stderr, "kyz424ctl: %s\n%s", error.c_str(), usage_text);
    return exit_trouble;
  }
  edition = options->program;
  switch (options->action) {
    case Action::make_new: return make_new(*options);
    case Action::commands: return print_commands(*options);
    case Action::requests: return print_requests(*options);
    case Action::apply: return apply_replies(*options);
    case Action::send: return send_to_sign(*options);
    case Action::read: return read_from_sign(*options);
    case Action::push: return push_to_fleet(*options);
    case Action::backup: return back_up_fleet(*options);
  }
  return exit_trouble;
}

}  // namespace
}  // namespace kyz::ctl

#ifdef _WIN32
// Wide arguments so that file names of any language arrive intact; standard streams in
// binary mode so that CR LF is written and read as it is.
int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stdin), _O_BINARY);
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(kyz::wide_to_utf8(argv[i]));
  return kyz::ctl::run(args);
}
#else
int main(int argc, char** argv) {
  return kyz::ctl::run(std::vector<std::string>(argv + 1, argv + argc));
}
#endif
