#include "core/links/win32/windows_command_links.h"

#include "core/links/win32/serial_link.h"
#include "core/links/win32/tcp_link.h"

namespace kyz {

void WindowsCommandLinks::serial_write(std::string_view command) {
  ::kyz::serial_write(command);
}

void WindowsCommandLinks::socket_send(std::string_view command) {
  ::kyz::socket_send(command);
}

bool WindowsCommandLinks::tcp_connected() const { return ::kyz::tcp_connected == 1; }

void install_windows_command_links() {
  static WindowsCommandLinks links;
  set_command_links(&links);
}

}  // namespace kyz
