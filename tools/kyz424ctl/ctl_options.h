// The command line of kyz424ctl.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/settings/edition.h"

namespace kyz::ctl {

enum class Action { make_new, commands, requests, apply };

struct Options {
  Action action = Action::make_new;
  Edition program = Edition::lx;
  bool over_tcp = false;
  std::vector<std::string> files;  // IN.dat and/or OUT.dat, in the order given
};

// Parses the arguments after the program name. Empty with `error` set when they do not
// form one of the four commands.
std::optional<Options> parse_options(const std::vector<std::string>& args, std::string& error);

inline constexpr const char* usage_text =
    "usage: kyz424ctl new [--edition lx|mfc] OUT.dat\n"
    "       kyz424ctl commands [--edition lx|mfc] IN.dat\n"
    "       kyz424ctl requests [--edition lx|mfc] [--tcp]\n"
    "       kyz424ctl apply [--edition lx|mfc] IN.dat OUT.dat   (replies on standard input)\n";

}  // namespace kyz::ctl
