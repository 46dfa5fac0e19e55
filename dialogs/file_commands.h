// The "ファイル" menu: New, Open, Save, Save As, and the question about unsaved
// changes at exit. The order of questions, checks and file operations lives here;
// the file dialogs and the panel come in through FileCommandUi.
#pragma once

#include <optional>
#include <string>

namespace kyz {

class FileCommandUi {
 public:
  virtual ~FileCommandUi() = default;
  // The path the operator chose (UTF-8), or nothing when the dialog was cancelled.
  virtual std::optional<std::string> choose_open_path() = 0;
  virtual std::optional<std::string> choose_save_path() = 0;
  // Shows the record's current file name on the front panel.
  virtual void repaint_file_name() = 0;
};

void file_new(FileCommandUi& ui);
// True when a data file was read.
bool file_open(FileCommandUi& ui);
void file_save(FileCommandUi& ui);
void file_save_as(FileCommandUi& ui);
// Offers to save unsaved changes before the program ends; never cancels the exit.
void exit_prompt(FileCommandUi& ui);

}  // namespace kyz
