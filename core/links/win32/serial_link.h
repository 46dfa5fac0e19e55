// The serial link to the sign: COM1..COM6 at 38400 baud 8E1 with hardware and XON/XOFF
// handshake, one overlapped write per command, and a read thread that hands every
// reply line to the reply handler.
#pragma once

#include <windows.h>

#include <atomic>
#include <string_view>

#include "core/links/serial_line_assembler.h"
#include "core/links/win32/serial_line_parameters.h"

namespace kyz {

// 1 once the open sequence has run, also when one of its steps failed.
extern std::atomic<int> port_open;

// Opens the port named by com_port and sets its line parameters. Each failing step is
// reported ("Miss! File Open", "Miss! Mask Set", "Miss! Buffer Set",
// "Miss! Time Out Set", "Miss! Set Comm State") and the sequence goes on.
void open_serial_port();

// Starts one overlapped write of the command text (at most 409 bytes, up to its NUL)
// and sets awaiting_answer. Returns without waiting for the write; its bytes stay valid
// until it completes. No error is reported: a missing answer is the watchdog's report.
void serial_write(std::string_view text);

// Starts the read thread, which runs while `running` is non-zero and calls `on_line`
// on that thread for each complete reply line. When the port did not open there is
// nothing to read and no thread is started. Reports "error creating read thread" and
// returns false when the thread cannot be created.
bool start_serial_reader(SerialLineAssembler::LineHandler on_line, std::atomic<int>& running);

// The read thread's entry.
DWORD WINAPI serial_read_thread(void* unused);

// Clears `running`, ends the read thread's wait and the thread, then closes the thread,
// the port and both events. Safe when the port or the thread never opened.
void stop_serial_reader();

// Reads and clears the port's error state (the values are not used).
void clear_comm_error();

// What the open sequence sets on the port besides the line parameters
// (serial_line_parameters.h): the timeouts.
COMMTIMEOUTS serial_timeouts();

}  // namespace kyz
