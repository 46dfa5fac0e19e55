// The all-items send as a list: the title of pages 1..32 ("CA"), a pause, then every
// setting command in the order the sign is given them.
//
// The all-items dialogs step through all_items_step(1..53); kyz424ctl prints the list.
#pragma once

#include <string>
#include <vector>

#include "core/settings/edition.h"
#include "core/settings/settings_record.h"
#include "core/ui/message_boxes.h"

namespace kyz {

inline constexpr int all_items_last_step = 53;
inline constexpr int all_items_pause_step = 33;  // sends nothing; the pace quickens

// One step of the sequence: the command to send, or why it cannot be sent.
struct AllItemsCommand {
  int step = 0;
  std::string text;     // whole command with CR LF; empty for the pause and a refusal
  std::string refusal;  // the operator's message when the step cannot be sent
  BoxKind refusal_box = BoxKind::warning;
};

// Step 1..53 for `record` as `program` sends it. kyz424 sends the schedule pages before
// the schedule hours and ends with the remote assignment "RCA" instead of "ACA".
AllItemsCommand all_items_step(int step, const SettingsRecord& record, Edition program);

// Every step that sends or refuses (all but the pause), in order.
std::vector<AllItemsCommand> all_items_commands(const SettingsRecord& record, Edition program);

// Performs one step on the live record: sends its command, or shows its refusal.
void send_all_items_step(int step);

}  // namespace kyz
