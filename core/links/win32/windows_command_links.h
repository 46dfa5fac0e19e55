// The links the send path uses in the Windows programs: the serial link and the TCP
// links of kyz424lx behind the CommandLinks seam.
#pragma once

#include "core/protocol/link_seam.h"

namespace kyz {

class WindowsCommandLinks final : public CommandLinks {
 public:
  void serial_write(std::string_view command) override;
  void socket_send(std::string_view command) override;
  bool tcp_connected() const override;
};

// Installs the process's one WindowsCommandLinks with set_command_links.
void install_windows_command_links();

}  // namespace kyz
