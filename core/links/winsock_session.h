// Starting and releasing WinSock 1.1 for the TCP links, and the plain boxes they report
// socket failures in.
#pragma once

#ifdef _WIN32
#include <winsock.h>

#include <atomic>
#include <string_view>

namespace kyz {

// Starts WinSock asking for exactly version 1.1. Reports "WINSOCK.DLLが導入されていません。"
// or "WINSOCK.DLLのバーションが違います。" and returns false when it cannot. Starting
// again while started does nothing, so each start is matched by one release.
bool start_winsock();
// Releases WinSock if this link started it.
void release_winsock();

// Shows `text` with "%d" replaced by the last socket error, in the plain stop box.
void report_socket_error(std::string_view text_with_number);

// Asks for `events` of `socket` as SOCKET_EVENT_MESSAGE to link_dialog. A refusal is
// reported with its socket error and returns false; the socket stays open.
bool register_socket_events(SOCKET socket, long events);
// A new stream socket, registered for `events` and held in link_socket. When either step
// fails it is reported, nothing stays open, WinSock is released and INVALID_SOCKET returned.
SOCKET open_link_socket(long events);

// Cancels the notifications of `socket`, shuts it down both ways and closes it.
void shut_and_close(SOCKET socket);

// True while the program runs (the flag given to set_link_running_flag, else always).
bool link_running();

}  // namespace kyz
#endif
