// The links the send path hands commands to.
//
// On Windows core/links provides the serial link and the TCP links behind this
// interface; the unit tests of the protocol put recording doubles in its place.
#pragma once

#include <string_view>

namespace kyz {

class CommandLinks {
 public:
  virtual ~CommandLinks() = default;
  // Starts an overlapped write of the command on the COM port and sets awaiting_answer.
  // Returns at once; the reply arrives later on the serial read thread.
  virtual void serial_write(std::string_view command) = 0;
  // kyz424lx: sends on the destination socket and waits for the answer, which it puts
  // into receive_buffer and hands to current_dialog as SOCKET_DATA_MESSAGE.
  // kyz424: sends on the client socket without waiting.
  // Either way, shows the link's own messages when it is not connected or the send fails.
  virtual void socket_send(std::string_view command) = 0;
  // 1 while commands may go out over TCP: the client socket is connected, or in server
  // mode the operator has chosen a connected adapter as the destination.
  virtual bool tcp_connected() const = 0;
};

// Installs the links used from now on; nullptr: no link (commands go nowhere, TCP is
// never connected).
void set_command_links(CommandLinks* links);
CommandLinks* command_links();

}  // namespace kyz
