// The one way a command reaches the sign, the check that a link is there, and the
// watchdog that notices a serial answer that never comes.
#pragma once

#include <string_view>

namespace kyz {

inline constexpr const char* not_connected_message = "Socket が接続されていません";
inline constexpr const char* no_connect_message = "No Connect";

// Hands a whole command (with its CR LF) to the link chosen by link_config.interface:
// RS-232C writes it and returns at once; TCP/IP sends it through the TCP link (which in
// kyz424lx also waits for the answer and, in server mode, picks the chosen adapter).
// kyz424 checks the connection itself and shows not_connected_message with error_box.
// A text longer than max_command_length is not sent.
void send_command(std::string_view text);

// 1 when a command can go out: RS-232C, or TCP/IP with a connection up.
int link_ready();

// One tick of the main window's 500 ms timer. While a serial answer is due, the seventh
// tick that still finds it missing gives up and shows "No Connect" with error_box.
// kyz424lx stays silent while a timed sequence runs (sequence_busy); kyz424 does not.
void answer_watchdog();

}  // namespace kyz
