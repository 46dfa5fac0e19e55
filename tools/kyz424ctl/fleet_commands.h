// kyz424ctl push and backup: every adapter of a fleet at once, in server mode (the
// adapters connect to us) or client mode (we connect to each listed adapter).
#pragma once

#include "tools/kyz424ctl/ctl_options.h"

namespace kyz::ctl {

// Sends the data file to every adapter and prints one row per adapter. Exit status 0
// only when every expected adapter answered every command "GO".
int push_to_fleet(const Options& options);

// Reads every adapter back into its own data file in the folder and prints the table.
int back_up_fleet(const Options& options);

}  // namespace kyz::ctl
