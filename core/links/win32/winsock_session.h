// Starting and releasing WinSock 1.1 for the TCP links, and the plain boxes they report
// socket failures in.
#pragma once

#include <winsock.h>

#include <atomic>
#include <string_view>

namespace kyz {

// The network events each kind of socket is registered for.
inline constexpr long client_socket_events = FD_READ | FD_WRITE | FD_CONNECT | FD_CLOSE;    // 0x33
inline constexpr long listening_socket_events = FD_READ | FD_WRITE | FD_ACCEPT | FD_CLOSE;  // 0x2B
inline constexpr long adapter_socket_events = FD_READ | FD_WRITE | FD_CLOSE;                // 0x23

// Starts WinSock asking for exactly version 1.1. Reports "WINSOCK.DLLが導入されていません。"
// or "WINSOCK.DLLのバーションが違います。" and returns false when it cannot. Starting
// again while started does nothing, so each start is matched by one release.
bool start_winsock();
// Releases WinSock if this link started it.
void release_winsock();

// Shows `text` with "%d" replaced by the last socket error, in the plain stop box.
void report_socket_error(std::string_view text_with_number);

// Asks for `events` of `socket` as SOCKET_EVENT_MESSAGE to link_dialog (less the bytes
// arriving while no TCP/IP dialog is open, see watch_links_from_window). A refusal is
// reported with its socket error and returns false; the socket stays open.
bool register_socket_events(SOCKET socket, long events);
// A new stream socket, registered for `events` and held in link_socket. When either step
// fails it is reported, nothing stays open, WinSock is released and INVALID_SOCKET returned.
SOCKET open_link_socket(long events);

// The socket whose answer the reply handler may still be completing; 0 once it closed,
// since the system may hand the same handle to the next connection.
extern SOCKET answering_socket;

// Cancels the notifications of `socket`, shuts it down both ways and closes it.
void shut_and_close(SOCKET socket);

// True while the program runs (the flag given to set_link_running_flag, else always).
bool link_running();

}  // namespace kyz
