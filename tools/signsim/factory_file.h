// A sign's starting state from a file of setting commands, one per line (CR LF or LF),
// as the tool would send them; empty lines and lines starting with '#' are skipped.
#pragma once

#include <string>
#include <string_view>

#include "tools/signsim/sign_state.h"

namespace kyz::signsim {

// Applies every command of `text` to `state`. False with `error` naming the first line
// the sign does not accept.
bool apply_factory_commands(std::string_view text, SignState& state, std::string& error);

}  // namespace kyz::signsim
