#include "core/protocol/reply_handlers.h"

#include <algorithm>

#include "core/protocol/protocol_state.h"
#include "core/protocol/readback.h"
#include "core/settings/edition.h"
#include "core/ui/message_boxes.h"

namespace kyz {

std::string reply_accumulator;
int reply_pending = 0;

namespace {

// Set when a TCP reply outgrew the accumulator: the rest of that line is dropped up to
// its LF, so that its tail is not mistaken for a reply of its own.
bool discarding_long_reply = false;

struct ErrorReply {
  std::string_view reply;
  const char* serial_message;
  const char* socket_message;
  bool socket_sets_error;  // over TCP "GN" and "MENU" let a timed sequence go on
};

// Over TCP the sign's "E1" is its parity error; it is reported as such rather than
// under the framing error's text.
constexpr ErrorReply error_replies[] = {
    {"GN", "Mode Error", "Socket mode difference", false},
    {"MENU", "Menu Display", "Socket Menu Display", false},
    {"E0", "Framing Error", "Socket Framing", true},
    {"E1", "Parity Error", "Socket Parity", true},
    {"E2", "Over Run Error", "Socket Over run", true},
    {"E3", "Command Error", "Socket Command", true},
};

constexpr const char* success_text = "Success";
constexpr const char* setting_done_caption = "設定完了";
constexpr const char* reading_done_caption = "読み込み完了";

void socket_box(const char* text) {
  if (edition == Edition::mfc) {
    error_box(text);
  } else {
    warning_box(text);
  }
}

// One whole TCP reply: acknowledgement, read-back value or error report.
void handle_socket_reply(std::string_view reply) {
  device_error = 0;
  const std::string_view go = edition == Edition::mfc ? "GO\r\n" : "GO";
  if (reply.starts_with(go)) {
    if (sequence_step == 0) {
      if (edition == Edition::mfc) {
        // kyz424's box: caption "Success", no icon, no owner, the simple beep.
        owned_box("Socket ＯＫ", success_text, nullptr);
      } else {
        success_box("Socket ＯＫ");
      }
    }
    return;
  }
  const std::string_view matched = decode_readback_reply(reply);
  if (!matched.empty()) {
    if (matched == last_readback_prefix) owned_box(success_text, reading_done_caption, nullptr);
    return;
  }
  for (const ErrorReply& error : error_replies) {
    if (reply.starts_with(error.reply)) {
      if (error.socket_sets_error) device_error = 1;
      socket_box(error.socket_message);
      return;
    }
  }
}

// Adds one read to the reply being assembled; hands the reply on once a read ends with LF.
void take_socket_chunk(std::string_view chunk) {
  if (reply_pending == 0) {
    reply_accumulator.clear();
    discarding_long_reply = false;
  }
  if (!discarding_long_reply) {
    if (reply_accumulator.size() + chunk.size() > reply_accumulator_capacity) {
      discarding_long_reply = true;
      reply_accumulator.clear();
    } else {
      reply_accumulator.append(chunk);
    }
  }
  reply_pending = chunk.back() != '\n' ? 1 : 0;
  if (reply_pending == 1) return;
  if (discarding_long_reply) {
    // Too long for any reply: ignored like a line that matches nothing.
    discarding_long_reply = false;
    device_error = 0;
  } else {
    handle_socket_reply(reply_accumulator);
  }
  reply_accumulator.clear();
}

}  // namespace

void serial_reply_handler(std::string_view line) {
  awaiting_answer = 0;
  answer_ticks = 0;
  device_error = 0;
  if (line.size() > serial_line_capacity) return;

  void* const owner = message_box_owner.load();
  if (line == "GO\r\n") {
    if (sequence_step == 0) owned_box(success_text, setting_done_caption, owner);
    return;
  }
  const std::string_view matched = decode_readback_reply(line);
  if (!matched.empty()) {
    if (matched == last_readback_prefix) owned_box(success_text, reading_done_caption, owner);
    return;
  }
  for (const ErrorReply& error : error_replies) {
    if (line.size() == error.reply.size() + 2 && line.starts_with(error.reply) &&
        line.ends_with("\r\n")) {
      device_error = 1;
      error_box(error.serial_message);
      return;
    }
  }
}

void socket_reply_handler() {
  if (received_length <= 0) return;
  const auto length = std::min<std::size_t>(static_cast<std::size_t>(received_length),
                                            receive_buffer_size);
  take_socket_chunk(std::string_view(receive_buffer, length));
}

void socket_reply_handler(const char* data, int length) {
  if (length < 0) {
    error_box("Socket 受信");
    return;
  }
  if (length == 0) return;
  take_socket_chunk(std::string_view(data, static_cast<std::size_t>(std::min(length, mfc_receive_chunk))));
}

void clear_reply_accumulator() {
  reply_accumulator.clear();
  reply_pending = 0;
  discarding_long_reply = false;
}

}  // namespace kyz
