#include "dialogs/run_steps.h"

#include <string>
#include <vector>

#include "core/protocol/all_items.h"
#include "core/protocol/readback.h"
#include "core/protocol/send_path.h"
#include "core/settings/configuration.h"
#include "core/settings/edition.h"

namespace kyz {
namespace {

std::vector<std::string> read_back_requests() {
  return readback_requests(edition, link_config.interface != interface_serial);
}

}  // namespace

int all_items_step_count() { return all_items_last_step; }

void perform_all_items_step(HWND, int step) { send_all_items_step(step); }

int read_back_step_count() { return static_cast<int>(read_back_requests().size()); }

void perform_read_back_step(HWND, int step) {
  send_command(read_back_requests()[static_cast<std::size_t>(step - 1)]);
}

}  // namespace kyz
