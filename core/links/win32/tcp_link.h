// The TCP links of kyz424lx: the client link to a sign's network adapter and the server
// link that sign adapters connect to. WinSock 1.1 with window-message notifications.
//
// Everything here runs on the user-interface thread: the dialogs call these functions,
// the platform posts SOCKET_EVENT_MESSAGE for each registered network event, and
// socket_send waits for the answer on that same thread.
#pragma once

#include <winsock.h>

#include <atomic>
#include <string_view>

#include "core/links/link_dialog_events.h"

namespace kyz {

// Network notifications for link_dialog: wParam = socket, LOWORD(lParam) =
// event, HIWORD(lParam) = error code.
inline constexpr UINT SOCKET_EVENT_MESSAGE = 1154;  // WM_USER + 130
// A received answer for the dialog that registered last: wParam = destination index
// (client-table slot, 0 for the client socket), lParam = 0.
inline constexpr UINT SOCKET_DATA_MESSAGE = 1126;   // WM_USER + 102

// The answer wait gives up after this many failed receive attempts.
inline constexpr long answer_attempt_limit = 1000000;

// Link state, one instance each.
extern SOCKET link_socket;    // client socket, or in server mode the listening socket; 0 none
extern int tcp_connected;     // 1 while commands may go out over TCP
extern HWND link_dialog;      // the window the network notifications are posted to: the
                              // open TCP/IP dialog, or the main window while none is open.
                              // What the links show in the dialog goes through
                              // link_dialog_events.
extern HWND current_dialog;   // the settings dialog that registered last

// The answer wait and the serial read thread run only while this flag is non-zero. The
// program points it at its own app_running before any link is used.
void set_link_running_flag(const std::atomic<int>* running);

// The TCP/IP dialog `dialog` opened: every event of the open sockets goes to it.
void watch_links_from_dialog(HWND dialog);
// No TCP/IP dialog is open: `window` gets the events of the open sockets, so that the
// server goes on accepting adapters and noticing those that leave, and a client link
// that the sign closes ends. Arriving bytes are left to the answer wait.
void watch_links_from_window(HWND window);

// Client: starts a connection to host select_number at port_number. 1 = connection
// pending or made (the connect notification tells the outcome), 0 = failed and reported.
int tcp_connect();
// "切断" of the client dialog: only while connected.
void disconnect_tcp_client();
// The sign closed the client connection: the link ends as by "切断", without its box.
void end_closed_client_link();

// Server: starts listening on port_number. 1 = listening (also when it already was).
int tcp_listen();
// Accepts every waiting adapter into the lowest free slots of the client table.
void accept_client();
// Tells the server dialog the adapters of the table and the chosen destination.
void refresh_client_list();
// Double click on row `row` of the server dialog's client list.
void choose_destination(int row);
// "切断" of the server dialog: closes everything and resets the dialog.
void stop_tcp_server();

// Both: every SOCKET_EVENT_MESSAGE, in a TCP/IP dialog or the main window.
void handle_network_event(SOCKET socket, LPARAM event_word);
// Ends one connection and frees its client slot.
void close_link_socket(SOCKET socket);
// Closes the link socket and every client, releases WinSock, empties the client table.
void tcp_disconnect_all();

// Sends a command text on the destination socket and waits for its answer, which is
// put into receive_buffer and posted to current_dialog as SOCKET_DATA_MESSAGE.
void socket_send(std::string_view text);

}  // namespace kyz
