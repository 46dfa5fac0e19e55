#include "dialogs/file_commands.h"

#include "core/protocol/protocol_state.h"
#include "core/settings/data_file.h"
#include "core/settings/settings_record.h"
#include "core/ui/message_boxes.h"

namespace kyz {

void file_new(FileCommandUi& ui) {
  if (sequence_step != 0) return;  // a timed sequence is using the record
  if (settings.modified == 1 && !question_box("データを保存せずに新規作成しますか？")) return;
  reset_settings();
  ui.repaint_file_name();
}

bool file_open(FileCommandUi& ui) {
  if (sequence_step != 0) return false;
  if (settings.modified == 1 &&
      !question_box("データを保存せずに別のファイルを開きますか？")) {
    return false;
  }
  const std::optional<std::string> path = ui.choose_open_path();
  if (!path) return false;
  // read_data_file reports "Can't file open" itself and then changes nothing.
  if (!read_data_file(*path)) return false;
  ui.repaint_file_name();
  return true;
}

void file_save(FileCommandUi&) {
  if (settings.data_file_path.empty()) {
    warning_box("Don't file open");
    return;
  }
  write_data_file(settings.data_file_path);
}

void file_save_as(FileCommandUi& ui) {
  const std::optional<std::string> path = ui.choose_save_path();
  if (!path) return;
  // The name becomes the current file only once the file has been written.
  if (!write_data_file(*path)) return;
  settings.data_file_path = *path;
  ui.repaint_file_name();
}

void exit_prompt(FileCommandUi& ui) {
  if (settings.modified == 0) return;
  if (question_box("データを保存せずに終了しますか？")) return;
  if (!settings.data_file_path.empty()) {
    file_save(ui);
  } else {
    file_save_as(ui);
  }
}

}  // namespace kyz
