#include "core/ui/message_boxes.h"

#include <cstdio>

#include "core/settings/edition.h"

namespace kyz {
namespace {

// Without a window system the boxes go to standard error, one line each.
class StderrSink final : public MessageBoxSink {
 public:
  BoxAnswer show(BoxKind kind, std::string_view text, std::string_view caption,
                 void*) override {
    std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(caption.size()), caption.data(),
                 static_cast<int>(text.size()), text.data());
    return kind == BoxKind::question ? BoxAnswer::no : BoxAnswer::ok;
  }
};

StderrSink stderr_sink;
MessageBoxSink* current_sink = &stderr_sink;

}  // namespace

void set_message_box_sink(MessageBoxSink* sink) {
  current_sink = sink ? sink : &stderr_sink;
}

MessageBoxSink& message_box_sink() { return *current_sink; }

std::string_view application_caption() {
  return edition == Edition::lx ? "KYZ-424LX" : "KYZ424";
}

void success_box(std::string_view text) {
  current_sink->show(BoxKind::success, text, "Success", nullptr);
}
void error_box(std::string_view text) {
  current_sink->show(BoxKind::error, text, "Error", nullptr);
}
void warning_box(std::string_view text) {
  current_sink->show(BoxKind::warning, text, "Error", nullptr);
}
bool question_box(std::string_view text) {
  return current_sink->show(BoxKind::question, text, application_caption(), nullptr) ==
         BoxAnswer::yes;
}
void plain_box(std::string_view text) {
  current_sink->show(BoxKind::plain, text, "KYZ-424LX", nullptr);
}
void application_box(std::string_view text) {
  current_sink->show(BoxKind::plain, text, application_caption(), nullptr);
}
void plain_stop_box(std::string_view text) {
  current_sink->show(BoxKind::plain_stop, text, "KYZ-424LX", nullptr);
}
void owned_box(std::string_view text, std::string_view caption, void* owner) {
  current_sink->show(BoxKind::owned, text, caption, owner);
}

}  // namespace kyz
