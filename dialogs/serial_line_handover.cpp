#include "dialogs/serial_line_handover.h"

#include <deque>
#include <memory>
#include <string>

#include "core/protocol/reply_handlers.h"

namespace kyz {
namespace {

// UI thread only: lines that came in while a handler was showing its box.
std::deque<std::string> waiting_lines;
bool handling = false;

}  // namespace

void post_serial_line(HWND window, std::string_view line) {
  auto copy = std::make_unique<std::string>(line);
  if (PostMessageW(window, SERIAL_LINE_MESSAGE, 0, reinterpret_cast<LPARAM>(copy.get()))) {
    copy.release();  // the UI thread owns it now
  }
}

bool handle_serial_line(UINT message, LPARAM lparam) {
  if (message != SERIAL_LINE_MESSAGE) return false;
  std::unique_ptr<std::string> line(reinterpret_cast<std::string*>(lparam));
  waiting_lines.push_back(std::move(*line));
  if (handling) return true;  // the handler below takes it after its box
  handling = true;
  while (!waiting_lines.empty()) {
    const std::string next = std::move(waiting_lines.front());
    waiting_lines.pop_front();
    serial_reply_handler(next);
  }
  handling = false;
  return true;
}

}  // namespace kyz
