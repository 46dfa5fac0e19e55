// How the simulated sign answers one command line: "GO" after storing a well-formed
// setting, the current value for a read-back request, "E3" for anything else.
#pragma once

#include <string>
#include <string_view>

#include "tools/signsim/sign_state.h"

namespace kyz::signsim {

inline constexpr std::string_view reply_accepted = "GO";
inline constexpr std::string_view reply_command_error = "E3";

// `line` is one received line including its CR LF. A line that does not end with
// exactly one CR LF, or holds a CR or LF elsewhere, is not understood. The reply is
// returned without CR LF. The state changes only when the whole command is well-formed.
std::string answer_line(SignState& state, std::string_view line);

// The same for a command text without its CR LF.
std::string answer_command(SignState& state, std::string_view body);

// Everything the sign would report, one read-back reply per line ending LF: the
// settings in the order of their requests ("RACA" .. "RTSR"), then the 32 page titles.
std::string state_report(const SignState& state);

}  // namespace kyz::signsim
