// The one seam through which the core reports to the operator.
//
// Every report is a message box with a fixed text. The programs show them with
// MessageBoxW; unit tests install a recorder; the command-line tools print them.
// Texts and captions are UTF-8 here and converted to UTF-16 by the Windows sink.
#pragma once

#include <string>
#include <string_view>

namespace kyz {

enum class BoxKind {
  success,     // caption "Success", no icon, beep first
  error,       // caption "Error", stop icon, beep first
  warning,     // caption "Error", exclamation icon, beep first
  question,    // Yes/No, question icon, no beep
  plain,       // no icon, no beep (single-instance refusal)
  plain_stop,  // stop icon, no beep (socket start-up and connection messages)
  owned,       // information box owned by a dialog's window ("設定完了", "読み込み完了")
};

enum class BoxAnswer { ok, yes, no };

class MessageBoxSink {
 public:
  virtual ~MessageBoxSink() = default;
  // owner: the window handle the box belongs to, or nullptr for none.
  virtual BoxAnswer show(BoxKind kind, std::string_view text, std::string_view caption,
                         void* owner) = 0;
};

// Installs the sink used from now on; nullptr restores the default (standard error).
void set_message_box_sink(MessageBoxSink* sink);
MessageBoxSink& message_box_sink();

// Caption of the question boxes and the plain boxes: "KYZ-424LX" or "KYZ424".
std::string_view application_caption();

void success_box(std::string_view text);
void error_box(std::string_view text);
void warning_box(std::string_view text);
// Returns true when the operator answers Yes.
bool question_box(std::string_view text);
void plain_box(std::string_view text);
// OK only, no icon, no beep, captioned with application_caption() (kyz424's start-up).
void application_box(std::string_view text);
void plain_stop_box(std::string_view text);
void owned_box(std::string_view text, std::string_view caption, void* owner);

}  // namespace kyz
