// What the sign answers: acknowledgements, error replies and read-back replies, from
// the serial link (one line at a time) and from a TCP socket (in pieces).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kyz {

// The longest line the serial handler takes, CR LF included (a 500-byte buffer).
inline constexpr std::size_t serial_line_capacity = 499;
// The most a TCP reply may accumulate before it ends with LF.
inline constexpr std::size_t reply_accumulator_capacity = 1024;
// kyz424 reads at most this many bytes per receive notification.
inline constexpr int mfc_receive_chunk = 499;

// The TCP reply assembled from one or more reads, and whether it still waits for its
// LF. UI thread only.
extern std::string reply_accumulator;
extern int reply_pending;

// One complete line from the serial link, with its CR LF. kyz424lx runs it on the UI
// thread, to which the read thread posts each line, since it writes the settings record.
// Every line counts as the answer (awaiting_answer and answer_ticks are cleared). The
// exact lines "GO", "GN", "MENU", "E0".."E3" are reported; read-back replies are stored.
// A line longer than serial_line_capacity cannot be a reply and is ignored.
void serial_reply_handler(std::string_view line);

// kyz424lx: the latest TCP read, from receive_buffer and received_length (nothing
// happens when received_length is 0 or less). Acknowledgements and errors are matched
// as prefixes; messages use warning_box.
void socket_reply_handler();

// kyz424: the bytes one receive notification read (at most mfc_receive_chunk are
// taken); `length` is the receive call's result: below 0 the read failed and
// "Socket 受信" is shown, 0 carries nothing. A would-block is no failure; the link does
// not call this for it. Messages use error_box.
void socket_reply_handler(const char* data, int length);

// Forgets a partly received TCP reply (a new connection starts clean).
void clear_reply_accumulator();

}  // namespace kyz
