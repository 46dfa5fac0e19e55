// kyz424ctl send and read: one sign over a serial line or TCP.
#pragma once

#include "tools/kyz424ctl/ctl_options.h"

namespace kyz::ctl {

// The all-items send of the data file to the sign, each command answered before the
// next goes. Exit status 0 only when every command was answered "GO".
int send_to_sign(const Options& options);

// The read-back into a fresh record, written to the output file only when every
// request was answered.
int read_from_sign(const Options& options);

}  // namespace kyz::ctl
