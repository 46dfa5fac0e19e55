// The serial link.
//
// Threads. The user-interface thread opens the port, writes commands and stops the
// reader; the read thread waits for port events, reads and assembles reply lines and
// calls the line handler. They share:
//   - the port handle and port_open: set by the UI thread before the reader starts and
//     closed by it only after the reader has ended;
//   - the running flag: written by the UI thread, read by the read thread;
//   - awaiting_answer: set here on the UI thread, cleared by the reply handler (an
//     atomic of the protocol state; kyz424lx's line handler posts each line to its UI
//     thread, which runs the reply handler).
// The write record, write event and write buffer belong to the UI thread; the read
// record, read event, chunk buffer and line assembler belong to the read thread. Reads
// and writes never share an I/O record. No lock is taken.
#include "core/links/win32/serial_link.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "core/links/serial_read_pacing.h"
#include "core/protocol/protocol_state.h"
#include "core/settings/configuration.h"
#include "core/settings/edition.h"
#include "core/ui/message_boxes.h"

namespace kyz {

std::atomic<int> port_open{0};

namespace {

constexpr const wchar_t* port_names[] = {L"COM1", L"COM2", L"COM3",
                                         L"COM4", L"COM5", L"COM6"};
constexpr DWORD queue_size = 2000;
constexpr std::size_t write_buffer_size = 410;
constexpr std::size_t chunk_size = 500;
// How often the reader looks at the running flag while its wait is pending.
constexpr DWORD wait_slice_ms = 100;

struct SerialPort {
  HANDLE port = INVALID_HANDLE_VALUE;
  // UI thread.
  OVERLAPPED write_record{};
  HANDLE write_event = nullptr;
  char write_buffer[write_buffer_size] = {};
  bool write_pending = false;
  // Read thread.
  OVERLAPPED read_record{};
  HANDLE read_event = nullptr;
  char chunk[chunk_size] = {};
  SerialLineAssembler assembler;
  SerialLineAssembler::LineHandler on_line;
  // Shared as described above.
  HANDLE thread = nullptr;
  std::atomic<int>* running = nullptr;
};

SerialPort serial;

void report(std::string_view text) {
  // kyz424lx warns; kyz424 shows its error box.
  if (edition == Edition::mfc) {
    error_box(text);
  } else {
    warning_box(text);
  }
}

bool reader_should_run() { return serial.running != nullptr && serial.running->load() != 0; }

// The previous write's buffer and record are reused: let it finish first. The write
// timeout (1 s) bounds this wait.
void finish_pending_write() {
  if (!serial.write_pending) return;
  DWORD written = 0;
  GetOverlappedResult(serial.port, &serial.write_record, &written, TRUE);
  serial.write_pending = false;
}

// Waits for the next port event and stores the events it reports in `mask`. False when
// the wait failed or was aborted.
bool wait_for_port_event(DWORD& mask) {
  mask = 0;
  ResetEvent(serial.read_event);
  serial.read_record = OVERLAPPED{};
  serial.read_record.hEvent = serial.read_event;
  if (WaitCommEvent(serial.port, &mask, &serial.read_record)) return true;
  if (GetLastError() != ERROR_IO_PENDING) return false;
  while (WaitForSingleObject(serial.read_event, wait_slice_ms) == WAIT_TIMEOUT) {
    if (!reader_should_run()) {
      CancelIo(serial.port);
      break;
    }
  }
  DWORD unused = 0;
  return GetOverlappedResult(serial.port, &serial.read_record, &unused, TRUE) != FALSE;
}

// Reads what the driver has queued, in chunks of at most 500 bytes, until the queue is
// empty, and feeds it to the line assembler. Returns the number of bytes read.
std::size_t read_queued_bytes() {
  std::size_t total = 0;
  while (reader_should_run()) {  // a sign that never stops sending must not hold a stop
    DWORD errors = 0;
    COMSTAT status{};
    if (!ClearCommError(serial.port, &errors, &status) || status.cbInQue == 0) return total;
    const DWORD wanted = std::min<DWORD>(status.cbInQue, chunk_size);
    DWORD got = 0;
    ResetEvent(serial.read_event);
    serial.read_record = OVERLAPPED{};
    serial.read_record.hEvent = serial.read_event;
    BOOL done = ReadFile(serial.port, serial.chunk, wanted, &got, &serial.read_record);
    if (!done && GetLastError() == ERROR_IO_PENDING) {
      // The bytes are queued, so the read completes at once; bound it all the same.
      if (WaitForSingleObject(serial.read_event, 1000) != WAIT_OBJECT_0) CancelIo(serial.port);
      done = GetOverlappedResult(serial.port, &serial.read_record, &got, TRUE);
    }
    if (!done) {
      clear_comm_error();
      return total;
    }
    if (got == 0) return total;
    total += got;
    serial.assembler.feed(std::string_view(serial.chunk, got), serial.on_line);
  }
  return total;
}

}  // namespace

COMMTIMEOUTS serial_timeouts() {
  COMMTIMEOUTS timeouts{};
  timeouts.ReadIntervalTimeout = MAXDWORD;  // a read returns at once with what is queued
  timeouts.ReadTotalTimeoutMultiplier = 0;
  timeouts.ReadTotalTimeoutConstant = 0;
  timeouts.WriteTotalTimeoutMultiplier = 0;
  timeouts.WriteTotalTimeoutConstant = 1000;
  return timeouts;
}

void clear_comm_error() {
  DWORD errors = 0;
  COMSTAT status{};
  ClearCommError(serial.port, &errors, &status);
}

void open_serial_port() {
  serial.write_record = OVERLAPPED{};
  serial.write_event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  serial.write_record.hEvent = serial.write_event;
  serial.read_record = OVERLAPPED{};
  serial.read_event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  serial.read_record.hEvent = serial.read_event;
  serial.write_pending = false;

  // A port number from outside COM1..COM6 opens nothing and is reported as such.
  const int index = link_config.com_port;
  serial.port = index >= 0 && index < static_cast<int>(std::size(port_names))
                    ? CreateFileW(port_names[index], GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr)
                    : INVALID_HANDLE_VALUE;
  if (serial.port == INVALID_HANDLE_VALUE) report("Miss! File Open");

  if (!SetCommMask(serial.port, EV_RXCHAR)) report("Miss! Mask Set");
  if (!SetupComm(serial.port, queue_size, queue_size)) report("Miss! Buffer Set");

  COMMTIMEOUTS timeouts = serial_timeouts();
  if (!SetCommTimeouts(serial.port, &timeouts)) report("Miss! Time Out Set");

  // Fields not set here keep what the port reports.
  DCB dcb{};
  dcb.DCBlength = sizeof(DCB);
  GetCommState(serial.port, &dcb);
  set_line_parameters(dcb);
  if (!SetCommState(serial.port, &dcb)) report("Miss! Set Comm State");

  port_open = 1;
}

void serial_write(std::string_view text) {
  finish_pending_write();
  std::memset(serial.write_buffer, 0, sizeof serial.write_buffer);
  const std::string_view command = text.substr(0, text.find('\0'));
  const std::size_t length = std::min(command.size(), write_buffer_size - 1);
  std::memcpy(serial.write_buffer, command.data(), length);

  // Set before the bytes go out: a quick reply must find the flag set, or its clearing
  // would be undone and the watchdog would report a sign that did answer.
  awaiting_answer = 1;

  if (serial.port == INVALID_HANDLE_VALUE) return;
  ResetEvent(serial.write_event);
  serial.write_record = OVERLAPPED{};
  serial.write_record.hEvent = serial.write_event;
  DWORD written = 0;
  if (!WriteFile(serial.port, serial.write_buffer, static_cast<DWORD>(length), &written,
                 &serial.write_record)) {
    serial.write_pending = GetLastError() == ERROR_IO_PENDING;
  }
}

bool start_serial_reader(SerialLineAssembler::LineHandler on_line, std::atomic<int>& running) {
  serial.on_line = std::move(on_line);
  serial.running = &running;
  if (serial.port == INVALID_HANDLE_VALUE) return true;
  serial.thread = CreateThread(nullptr, 0, serial_read_thread, nullptr, 0, nullptr);
  if (serial.thread == nullptr) {
    report("error creating read thread");
    return false;
  }
  return true;
}

DWORD WINAPI serial_read_thread(void*) {
  serial.assembler = SerialLineAssembler{};
  SetCommMask(serial.port, EV_RXCHAR);
  SerialReadPacing pacing;
  while (reader_should_run()) {
    // Bytes are read whenever the driver holds some, whatever the wait reported: on a
    // pseudo-terminal under Wine the wait returns with an empty mask or aborted, never
    // with the receive event. There the pacing skips the wait while the line is quiet.
    DWORD events = 0;
    if (pacing.waits_for_event() && !wait_for_port_event(events)) clear_comm_error();
    if (!reader_should_run()) break;
    const unsigned pause_ms = pacing.after_pass((events & EV_RXCHAR) != 0, read_queued_bytes());
    if (pause_ms > 0) Sleep(pause_ms);
  }
  PurgeComm(serial.port, PURGE_RXCLEAR);
  ResetEvent(serial.read_event);
  return 0;
}

void stop_serial_reader() {
  if (serial.running != nullptr) serial.running->store(0);
  if (serial.thread != nullptr) {
    SetCommMask(serial.port, 0);  // ends the pending wait
    // The reader sees the flag within one wait slice, or once the operator has closed a
    // box its line handler shows; its handles are closed only after it has ended.
    WaitForSingleObject(serial.thread, INFINITE);
    CloseHandle(serial.thread);
    serial.thread = nullptr;
  }
  finish_pending_write();
  if (serial.port != INVALID_HANDLE_VALUE) CloseHandle(serial.port);
  serial.port = INVALID_HANDLE_VALUE;
  if (serial.read_event != nullptr) CloseHandle(serial.read_event);
  if (serial.write_event != nullptr) CloseHandle(serial.write_event);
  serial.read_event = nullptr;
  serial.write_event = nullptr;
}

}  // namespace kyz
