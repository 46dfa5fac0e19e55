// Clean shutdown on SIGTERM and SIGINT. The handler sets a flag and makes a pipe
// readable; every thread polls that pipe beside its own descriptor, so all of them wake
// at once and none needs a timeout to notice the stop.
#pragma once

namespace kyz::signsim {

// Installs the handlers (and ignores SIGPIPE, so a peer that went away turns a write
// into an error instead of killing the sign). Call once, before starting threads.
bool install_stop_handlers();

bool stop_requested();
void request_stop();

// Readable once a stop has been requested.
int stop_wake_fd();

}  // namespace kyz::signsim
