#include "tools/kyz424ctl/ctl_options.h"

#include <cstddef>

namespace kyz::ctl {
namespace {

struct ActionShape {
  const char* name;
  Action action;
  std::size_t files;  // how many file arguments it takes
  bool takes_tcp;
};

constexpr ActionShape actions[] = {
    {"new", Action::make_new, 1, false},
    {"commands", Action::commands, 1, false},
    {"requests", Action::requests, 0, true},
    {"apply", Action::apply, 2, false},
};

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
    if (arg == "--edition") {
      if (i + 1 >= args.size()) {
        error = "--edition needs lx or mfc";
        return std::nullopt;
      }
      const std::string& value = args[++i];
      if (value == "lx") {
        options.program = Edition::lx;
      } else if (value == "mfc") {
        options.program = Edition::mfc;
      } else {
        error = "unknown edition \"" + value + "\" (lx or mfc)";
        return std::nullopt;
      }
    } else if (arg == "--tcp" && shape->takes_tcp) {
      options.over_tcp = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      error = "unknown option \"" + arg + "\"";
      return std::nullopt;
    } else {
      options.files.push_back(arg);
    }
  }
  if (options.files.size() != shape->files) {
    error = std::string(shape->name) + " takes " + std::to_string(shape->files) +
            (shape->files == 1 ? " file" : " files");
    return std::nullopt;
  }
  return options;
}

}  // namespace kyz::ctl
