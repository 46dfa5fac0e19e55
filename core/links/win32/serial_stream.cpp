// The serial line of kyz424ctl.exe: the Win32 serial API, 38400 baud 8E1 with the
// programs' handshake. A read takes what the driver has queued and returns at once;
// waiting for an answer looks at the queue every few milliseconds, so no thread and no
// overlapped I/O are needed for one command at a time (and no reliance on the read
// timeouts' "return on the first byte" form, which not every serial driver honours).
#include <windows.h>

#include <algorithm>

#include "core/links/byte_stream.h"
#include "core/links/win32/serial_line_parameters.h"

namespace kyz {
namespace {

constexpr DWORD queue_size = 2000;
constexpr DWORD write_timeout_ms = 1000;
constexpr DWORD poll_pause_ms = 2;

class SerialStream final : public ByteStream {
 public:
  explicit SerialStream(HANDLE port) : port_(port) {}
  ~SerialStream() override { CloseHandle(port_); }

  bool write_all(std::string_view bytes, std::string& error) override {
    while (!bytes.empty()) {
      DWORD written = 0;
      if (!WriteFile(port_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) || written == 0) {
        error = "the serial line does not take the command (error " + std::to_string(GetLastError()) + ")";
        return false;
      }
      bytes.remove_prefix(written);
    }
    return true;
  }

  int read_within(char* buffer, std::size_t size, Millis timeout_ms, std::string& error) override {
    const Millis deadline = steady_now_ms() + timeout_ms;
    for (;;) {
      DWORD errors = 0;
      COMSTAT status{};
      if (!ClearCommError(port_, &errors, &status)) {
        error = "the serial port failed (error " + std::to_string(GetLastError()) + ")";
        return -1;
      }
      if (status.cbInQue > 0) {
        DWORD got = 0;
        const DWORD wanted = std::min<DWORD>(status.cbInQue, static_cast<DWORD>(size));
        if (!ReadFile(port_, buffer, wanted, &got, nullptr)) {
          error = "the serial port failed (error " + std::to_string(GetLastError()) + ")";
          return -1;
        }
        if (got > 0) return static_cast<int>(got);
      }
      if (steady_now_ms() >= deadline) return 0;
      Sleep(poll_pause_ms);
    }
  }

 private:
  HANDLE port_;
};

std::wstring device_name(const std::string& port) {
  std::wstring name = port.rfind("\\\\.\\", 0) == 0 ? L"" : L"\\\\.\\";
  for (char c : port) name += static_cast<wchar_t>(static_cast<unsigned char>(c));
  return name;
}

bool set_line(HANDLE port) {
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  GetCommState(port, &dcb);
  set_line_parameters(dcb);
  dcb.fOutxDsrFlow = 0;
  return SetCommState(port, &dcb) != 0;
}

}  // namespace

std::unique_ptr<ByteStream> open_serial_stream(const std::string& port, std::string& error) {
  const HANDLE handle = CreateFileW(device_name(port).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD e = GetLastError();
    error = "serial port " + port + ": " +
            (e == ERROR_FILE_NOT_FOUND || e == ERROR_PATH_NOT_FOUND ? std::string("does not exist")
             : e == ERROR_ACCESS_DENIED || e == ERROR_SHARING_VIOLATION
                 ? std::string("is in use by another program")
                 : "cannot be opened (error " + std::to_string(e) + ")");
    return nullptr;
  }
  SetupComm(handle, queue_size, queue_size);
  // Reads return at once with what is queued; writes give up after a second.
  COMMTIMEOUTS timeouts{};
  timeouts.ReadIntervalTimeout = MAXDWORD;
  timeouts.WriteTotalTimeoutConstant = write_timeout_ms;
  SetCommTimeouts(handle, &timeouts);
  if (!set_line(handle)) {
    error = "serial port " + port + ": is no serial port, or cannot be set to 38400 baud 8E1";
    CloseHandle(handle);
    return nullptr;
  }
  PurgeComm(handle, PURGE_RXCLEAR | PURGE_TXCLEAR);
  return std::make_unique<SerialStream>(handle);
}

}  // namespace kyz
