#include "tools/signsim/serial_device.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace kyz::signsim {
namespace {

bool set_mode(int fd, bool with_parity) {
  termios mode{};
  if (tcgetattr(fd, &mode) != 0) return false;
  cfmakeraw(&mode);
  cfsetispeed(&mode, B38400);
  cfsetospeed(&mode, B38400);
  mode.c_cflag &= ~(CSIZE | CSTOPB | PARODD | PARENB | CRTSCTS);
  mode.c_cflag |= CS8 | CREAD | CLOCAL;
  if (with_parity) mode.c_cflag |= PARENB;
  mode.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK);
  mode.c_cc[VMIN] = 1;
  mode.c_cc[VTIME] = 0;
  if (tcsetattr(fd, TCSANOW, &mode) != 0) return false;
  // tcsetattr succeeds when any part was applied; read back what the driver kept.
  termios kept{};
  if (tcgetattr(fd, &kept) != 0) return false;
  return (kept.c_cflag & CSIZE) == CS8 && (!with_parity || (kept.c_cflag & PARENB)) &&
         !(kept.c_cflag & CSTOPB) && cfgetospeed(&kept) == B38400;
}

}  // namespace

std::string apply_line_settings(int fd, std::string& error) {
  if (set_mode(fd, true)) return "line settings 38400 8E1";
  if (set_mode(fd, false)) return "line settings 38400 8N1 raw: the device refused even parity";
  error = std::string("cannot set line settings: ") + std::strerror(errno);
  return {};
}

SerialDevice::~SerialDevice() { join(); }

bool SerialDevice::start(const std::string& path, std::string& error) {
  const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    error = "cannot open " + path + ": " + std::strerror(errno);
    return false;
  }
  const std::string applied = apply_line_settings(fd, error);
  if (applied.empty()) {
    close(fd);
    error = path + ": " + error;
    return false;
  }
  context_.log.note("serial", "opened " + path + ", " + applied);
  running_ = true;
  thread_ = std::thread([this, fd] {
    const SessionEnd end = serve_session(fd, false, "serial", 1, sign_, context_);
    close(fd);
    context_.log.note("serial", describe(end));
    running_ = false;
  });
  return true;
}

void SerialDevice::join() {
  if (thread_.joinable()) thread_.join();
}

}  // namespace kyz::signsim
