// A stand-in for the file commands' dialogs and panel, shared by the file command tests
// of both programs.
#pragma once

#include <deque>
#include <optional>
#include <string>

#include "dialogs/file_commands.h"

namespace kyz::test {

// Answers the file dialogs from a queue (nothing = cancel) and counts what was asked.
class ScriptedFileUi final : public FileCommandUi {
 public:
  std::optional<std::string> choose_open_path() override {
    ++open_dialogs;
    return next();
  }
  std::optional<std::string> choose_save_path() override {
    ++save_dialogs;
    return next();
  }
  void repaint_file_name() override { ++repainted; }

  std::deque<std::optional<std::string>> answers;
  int open_dialogs = 0;
  int save_dialogs = 0;
  int repainted = 0;

 private:
  std::optional<std::string> next() {
    if (answers.empty()) return std::nullopt;
    auto a = answers.front();
    answers.pop_front();
    return a;
  }
};

}  // namespace kyz::test
