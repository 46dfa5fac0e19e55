// The serial line on Linux and other POSIX systems: termios, raw, 38400 8E1.
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include "core/links/byte_stream.h"
#include "core/links/posix/write_waiting.h"

namespace kyz {
namespace {

// How long a write may wait for the line to take its bytes (handshake held).
constexpr int write_timeout_ms = 1000;

class SerialStream final : public ByteStream {
 public:
  explicit SerialStream(int fd) : fd_(fd) {}
  ~SerialStream() override { close(fd_); }

  bool write_all(std::string_view bytes, std::string& error) override {
    const WriteEnd end = write_waiting(fd_, bytes, write_timeout_ms,
                                       [this](const char* data, std::size_t size) { return write(fd_, data, size); });
    if (end == WriteEnd::stalled) error = "the serial line does not take the command (handshake held)";
    if (end == WriteEnd::failed) error = std::string("write to the serial port failed: ") + std::strerror(errno);
    return end == WriteEnd::written;
  }

  int read_within(char* buffer, std::size_t size, Millis timeout_ms, std::string& error) override {
    pollfd p{fd_, POLLIN, 0};
    const int ready = poll(&p, 1, static_cast<int>(timeout_ms));
    if (ready <= 0) return 0;
    const ssize_t n = read(fd_, buffer, size);
    if (n > 0) return static_cast<int>(n);
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) return 0;
    if (n == 0 && !(p.revents & POLLHUP)) return 0;
    error = n < 0 ? std::string("the serial port failed: ") + std::strerror(errno)
                  : std::string("the serial line hung up");
    return -1;
  }

 private:
  int fd_;
};

bool set_line(int fd, std::string& error) {
  termios line{};
  if (tcgetattr(fd, &line) != 0) {
    error = errno == ENOTTY ? "is not a serial port" : std::string("cannot read its settings: ") + std::strerror(errno);
    return false;
  }
  cfmakeraw(&line);
  cfsetispeed(&line, B38400);
  cfsetospeed(&line, B38400);
  line.c_cflag &= ~(CSIZE | PARODD | CSTOPB);
  line.c_cflag |= CS8 | PARENB | CLOCAL | CREAD | CRTSCTS;
  line.c_iflag &= ~(INPCK | IXANY);
  line.c_iflag |= IXON | IXOFF;
  line.c_cc[VSTART] = 0x11;
  line.c_cc[VSTOP] = 0x13;
  line.c_cc[VMIN] = 0;
  line.c_cc[VTIME] = 0;
  if (tcsetattr(fd, TCSANOW, &line) != 0) {
    // A pseudo-terminal has no parity bit: the C library reports the dropped PARENB as
    // EINVAL although speed, size and raw mode took. That line is still usable.
    termios taken{};
    const bool usable = errno == EINVAL && tcgetattr(fd, &taken) == 0 && cfgetospeed(&taken) == B38400 &&
                        (taken.c_cflag & CSIZE) == CS8 && (taken.c_lflag & ICANON) == 0;
    if (!usable) {
      error = std::string("cannot set 38400 baud 8E1: ") + std::strerror(errno);
      return false;
    }
  }
  tcflush(fd, TCIOFLUSH);
  return true;
}

}  // namespace

std::unique_ptr<ByteStream> open_serial_stream(const std::string& port, std::string& error) {
  const int fd = open(port.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    const int e = errno;
    error = "serial port " + port + ": " +
            (e == ENOENT ? std::string("does not exist")
             : e == EBUSY ? std::string("is in use by another program")
                          : std::strerror(e));
    return nullptr;
  }
  // Another tool holding the port (kyz424ctl or any program that locks it) makes it busy.
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    error = "serial port " + port + ": is in use by another program";
    close(fd);
    return nullptr;
  }
  std::string why;
  if (!set_line(fd, why)) {
    error = "serial port " + port + ": " + why;
    close(fd);
    return nullptr;
  }
  ioctl(fd, TIOCEXCL);
  return std::make_unique<SerialStream>(fd);
}

}  // namespace kyz
