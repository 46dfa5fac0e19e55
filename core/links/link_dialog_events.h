// What the TCP links tell the TCP/IP dialog that is open. Each program implements it
// with its own dialog and controls, so the links never name a control themselves.
//
// Called on the user-interface thread only, from the dialog's own commands and from the
// network notifications that reach it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kyz {

class LinkDialogEvents {
 public:
  virtual ~LinkDialogEvents() = default;
  // The client's connection to the sign is made: "接続" off, "切断" on.
  virtual void connected() = 0;
  // The operator ended the link (client "切断", or the server stopped): "接続" on,
  // "切断" off.
  virtual void disconnected() = 0;
  // Server: the adapters connected now, one address per client-list row in slot order;
  // empty when none is left.
  virtual void clients_changed(const std::vector<std::string>& addresses) = 0;
  // Server: the destination box shows `address` (blanks when no adapter is chosen).
  virtual void destination_shown(std::string_view address) = 0;
};

// The open TCP/IP dialog's events; nullptr while none listens.
extern LinkDialogEvents* link_dialog_events;

}  // namespace kyz
