// Any bytes as what the sign sends and as a page title: the reply handlers of both
// programs and links, the title reply decoder and the title command must neither
// crash nor read or write out of bounds, and their results must keep their shapes.
//
// Input layout: byte 0 picks how the bytes are cut into TCP reads; the rest is the
// stream.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "core/protocol/protocol_state.h"
#include "core/protocol/reply_handlers.h"
#include "core/protocol/title_command.h"
#include "core/settings/settings_record.h"
#include "core/ui/message_boxes.h"

namespace {

class QuietBoxes final : public kyz::MessageBoxSink {
 public:
  kyz::BoxAnswer show(kyz::BoxKind, std::string_view, std::string_view, void*) override {
    return kyz::BoxAnswer::ok;
  }
};

void check_titles() {
  for (const std::string& title : kyz::settings.title) {
    if (title.size() > kyz::title_wire_bytes || title.size() % 2 != 0) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kyz;
  static QuietBoxes quiet;
  set_message_box_sink(&quiet);
  if (size == 0) return 0;
  const std::size_t cut = data[0] % 64 + 1;
  const std::string_view stream(reinterpret_cast<const char*>(data + 1), size - 1);

  for (Edition e : {Edition::lx, Edition::mfc}) {
    edition = e;
    reset_settings(settings);
    clear_reply_accumulator();

    // Serial: every LF ends a line, as the read thread hands them over.
    std::size_t start = 0;
    for (std::size_t end; (end = stream.find('\n', start)) != std::string_view::npos;
         start = end + 1) {
      serial_reply_handler(stream.substr(start, end + 1 - start));
    }
    check_titles();

    // TCP in reads of `cut` bytes.
    for (std::size_t at = 0; at < stream.size(); at += cut) {
      const std::string_view chunk = stream.substr(at, cut);
      if (e == Edition::lx) {
        std::memcpy(receive_buffer, chunk.data(), chunk.size());
        receive_buffer[chunk.size()] = '\0';
        received_length = static_cast<int>(chunk.size());
        socket_reply_handler();
      } else {
        socket_reply_handler(chunk.data(), static_cast<int>(chunk.size()));
      }
      if (reply_accumulator.size() > reply_accumulator_capacity) std::abort();
    }
    check_titles();
  }

  // The same bytes as a title: refused, or a command of exactly 398 bytes whose reply
  // decodes back to a title of at most 196 bytes.
  const std::optional<std::string> command = title_command(stream, 0, true);
  if (command) {
    if (command->size() != title_command_length) std::abort();
    SettingsRecord record;
    title_reply_decoder(*command, record);
    if (record.title[0].size() > stream.size()) std::abort();
  }
  set_message_box_sink(nullptr);
  return 0;
}
