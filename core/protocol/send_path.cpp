#include "core/protocol/send_path.h"

#include "core/protocol/command_text.h"
#include "core/protocol/link_seam.h"
#include "core/protocol/protocol_state.h"
#include "core/settings/configuration.h"
#include "core/settings/edition.h"
#include "core/ui/message_boxes.h"

namespace kyz {
namespace {

// The watchdog gives up on the tick that finds this many ticks already counted.
constexpr int ticks_before_giving_up = 6;

}  // namespace

void send_command(std::string_view text) {
  // Every builder stays well below the serial link's buffer; a longer text would be a
  // builder fault, and cutting it would send the sign a different command.
  if (text.size() > max_command_length) return;
  send_failed = 0;
  CommandLinks* links = command_links();
  if (link_config.interface == interface_serial) {
    if (links) links->serial_write(text);
    return;
  }
  if (edition == Edition::mfc && !(links && links->tcp_connected())) {
    // A timed run stops on it rather than showing this box at every later step.
    send_failed = 1;
    error_box(not_connected_message);
    return;
  }
  if (links) links->socket_send(text);
}

int link_ready() {
  if (link_config.interface == interface_serial) return 1;
  const CommandLinks* links = command_links();
  return links && links->tcp_connected() ? 1 : 0;
}

void answer_watchdog() {
  if (awaiting_answer == 0) return;
  if (edition == Edition::lx && sequence_busy == 1) return;
  const int taken = answer_ticks.fetch_add(1);
  if (taken < ticks_before_giving_up) return;
  answer_ticks = 0;
  // A reply line may have cleared the flag on the serial read thread since the test
  // above; only a still missing answer is reported.
  if (awaiting_answer.exchange(0) == 1) error_box(no_connect_message);
}

}  // namespace kyz
