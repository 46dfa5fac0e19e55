// Process-wide protocol state shared by the send path, the reply handlers, the answer
// watchdog and the timed sequences.
//
// Threads: the UI thread runs the send path, the watchdog, the timed sequences and the
// socket reply handler. kyz424lx runs the serial reply handler on the UI thread too: its
// serial read thread only posts each complete line to the main window. The flags are
// atomics all the same, for a program whose line handler runs on the read thread.
#pragma once

#include <atomic>
#include <cstddef>

namespace kyz {

extern std::atomic<int> awaiting_answer;  // set by serial_write, cleared by every serial reply
extern std::atomic<int> answer_ticks;     // watchdog ticks while an answer is due
extern std::atomic<int> sequence_step;    // 0 = no timed sequence, else its next step
extern std::atomic<int> sequence_busy;    // kyz424lx: a timed sequence runs (watchdog silent)
extern std::atomic<int> device_error;     // the latest reply was an error reply
// Over TCP/IP: the latest command could not be sent (kyz424lx: or its answer never
// came); the link has shown why. Cleared by every send_command; a timed run stops on it.
extern std::atomic<int> send_failed;

// The TCP answer of kyz424lx: the latest read, NUL-terminated, and its length (0 or less
// when the read returned nothing or failed). Written by the TCP link, read by the socket
// reply handler, both on the UI thread.
inline constexpr std::size_t receive_buffer_size = 1024;
extern char receive_buffer[receive_buffer_size + 2];
extern int received_length;

// The window the open dialog remembered as owner of the "設定完了" and "読み込み完了"
// boxes (an HWND on Windows). Written by the UI thread, read by the serial reply handler.
extern std::atomic<void*> message_box_owner;

}  // namespace kyz
