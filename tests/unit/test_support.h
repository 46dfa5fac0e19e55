// Small helpers shared by the unit tests: a message-box recorder and scratch folders.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/ui/message_boxes.h"

namespace kyz::test {

struct RecordedBox {
  BoxKind kind;
  std::string text;
  std::string caption;
  void* owner;
};

// Keeps every box the core shows; answers questions with `answer`.
class BoxRecorder final : public MessageBoxSink {
 public:
  BoxRecorder() { set_message_box_sink(this); }
  ~BoxRecorder() override { set_message_box_sink(nullptr); }
  BoxAnswer show(BoxKind kind, std::string_view text, std::string_view caption,
                 void* owner) override {
    boxes.push_back({kind, std::string(text), std::string(caption), owner});
    return kind == BoxKind::question ? answer : BoxAnswer::ok;
  }
  std::vector<RecordedBox> boxes;
  BoxAnswer answer = BoxAnswer::no;
};

// A new empty folder under the system's temporary folder, removed with the object.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  // UTF-8 path of `name` inside the folder.
  std::string file(const std::string& name) const;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

std::string utf8_path(const std::filesystem::path& p);
std::string read_bytes(const std::string& utf8_path);
void write_bytes(const std::string& utf8_path, const std::string& bytes);

}  // namespace kyz::test
