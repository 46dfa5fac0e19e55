// Process-wide protocol state shared by the send path, the reply handlers, the answer
// watchdog and the timed sequences.
//
// Threads: the UI thread runs the send path, the watchdog, the timed sequences and the
// socket reply handler. Over RS-232C the serial read thread runs the serial reply
// handler, which clears awaiting_answer/answer_ticks and sets device_error. The flags
// they share are atomics; no lock is taken.
#pragma once

#include <atomic>
#include <cstddef>

namespace kyz {

extern std::atomic<int> awaiting_answer;  // set by serial_write, cleared by every serial reply
extern std::atomic<int> answer_ticks;     // watchdog ticks while an answer is due
extern std::atomic<int> sequence_step;    // 0 = no timed sequence, else its next step
extern std::atomic<int> sequence_busy;    // kyz424lx: a timed sequence runs (watchdog silent)
extern std::atomic<int> device_error;     // the latest reply was an error reply

// The TCP answer of kyz424lx: the latest read, NUL-terminated, and its length (0 or less
// when the read returned nothing or failed). Written by the TCP link, read by the socket
// reply handler, both on the UI thread.
inline constexpr std::size_t receive_buffer_size = 1024;
extern char receive_buffer[receive_buffer_size + 2];
extern int received_length;

// The window the open dialog remembered as owner of the "設定完了" and "読み込み完了"
// boxes (an HWND on Windows). Written by the UI thread, read by the serial read thread.
extern std::atomic<void*> message_box_owner;

}  // namespace kyz
