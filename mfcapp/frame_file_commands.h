// kyz424's "ファイル" menu and the question about unsaved changes at exit. Nothing
// happens while a timed sequence uses the record; Save needs a file opened or saved
// before and otherwise does nothing, without a message.
#pragma once

#include <windows.h>

#include "dialogs/file_commands.h"

namespace kyz::mfc {

// New is kyz424lx's (file_commands.h).
void file_open(FileCommandUi& ui);
void file_save(FileCommandUi& ui);
void file_save_as(FileCommandUi& ui);
// On No to "データを保存せずに終了しますか？": Save As without a file name, else Save.
void exit_prompt(FileCommandUi& ui);

// The frame's file dialogs and panel line.
class FrameFileUi final : public FileCommandUi {
 public:
  FrameFileUi(HWND frame, HWND view) : frame_(frame), view_(view) {}
  std::optional<std::string> choose_open_path() override;
  std::optional<std::string> choose_save_path() override;
  void repaint_file_name() override;

 private:
  HWND frame_;
  HWND view_;
};

}  // namespace kyz::mfc
