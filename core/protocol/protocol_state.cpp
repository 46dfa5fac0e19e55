#include "core/protocol/protocol_state.h"

#include "core/protocol/link_seam.h"

namespace kyz {

std::atomic<int> awaiting_answer{0};
std::atomic<int> answer_ticks{0};
std::atomic<int> sequence_step{0};
std::atomic<int> sequence_busy{0};
std::atomic<int> device_error{0};
std::atomic<int> send_failed{0};

char receive_buffer[receive_buffer_size + 2] = {};
int received_length = 0;

std::atomic<void*> message_box_owner{nullptr};

namespace {
// Set once by the program before the first command; read on the UI thread.
CommandLinks* installed_links = nullptr;
}  // namespace

void set_command_links(CommandLinks* links) { installed_links = links; }
CommandLinks* command_links() { return installed_links; }

}  // namespace kyz
