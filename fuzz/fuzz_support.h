// What the protocol harnesses share: a message-box sink that records instead of
// showing, and the reply texts a handler may show.
#pragma once

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/protocol/title_command.h"
#include "core/settings/settings_record.h"
#include "core/ui/message_boxes.h"

namespace kyz::fuzz {

class RecordingBoxes final : public MessageBoxSink {
 public:
  RecordingBoxes() { set_message_box_sink(this); }
  ~RecordingBoxes() override { set_message_box_sink(nullptr); }
  BoxAnswer show(BoxKind, std::string_view text, std::string_view, void*) override {
    texts.emplace_back(text);
    return BoxAnswer::ok;
  }
  std::vector<std::string> texts;
};

// Every text a reply handler may show; anything else means a handler built a message
// out of the sign's bytes.
inline bool is_reply_message(std::string_view text) {
  static constexpr std::string_view known[] = {
      "Success",        "Socket ＯＫ",       "Socket 受信",
      "Mode Error",     "Menu Display",      "Framing Error",
      "Parity Error",   "Over Run Error",    "Command Error",
      "Socket mode difference", "Socket Menu Display", "Socket Framing",
      "Socket Parity",  "Socket Over run",   "Socket Command",
  };
  for (std::string_view k : known) {
    if (text == k) return true;
  }
  return false;
}

// A decoded title must fit the record and the wire: whole double-byte characters, at
// most 98 of them.
inline void check_titles(const SettingsRecord& record) {
  for (const std::string& title : record.title) {
    if (title.size() > title_wire_bytes || title.size() % 2 != 0) std::abort();
  }
}

}  // namespace kyz::fuzz
