#include "mfcapp/frame_file_commands.h"

#include <commdlg.h>

#include "core/protocol/protocol_state.h"
#include "core/settings/data_file.h"
#include "core/settings/settings_record.h"
#include "core/ui/message_boxes.h"
#include "dialogs/file_dialogs.h"
#include "dialogs/front_panel.h"
#include "mfcapp/app_state.h"

namespace kyz::mfc {

namespace {

// One entry "ﾃﾞｰﾀ(*.dat) " for the pattern *.dat; the dialogs add ".dat" to a name
// typed without extension and start with "*.dat" in the name field.
constexpr wchar_t filter[] = L"ﾃﾞｰﾀ(*.dat) \0*.dat\0";

}  // namespace

std::optional<std::string> FrameFileUi::choose_open_path() {
  return show_file_dialog(frame_, {nullptr, filter, L"dat", L"*.dat", L"c:\\",
                                   OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST, false});
}

std::optional<std::string> FrameFileUi::choose_save_path() {
  return show_file_dialog(frame_, {nullptr, filter, L"dat", L"*.dat", nullptr,
                                   OFN_OVERWRITEPROMPT, true});
}

void FrameFileUi::repaint_file_name() { ::kyz::repaint_file_name(view_); }

// The same questions as kyz424lx's Open; a file read becomes the file Save writes to.
void file_open(FileCommandUi& ui) {
  if (::kyz::file_open(ui)) file_opened = 1;
}

void file_save(FileCommandUi&) {
  if (sequence_step != 0 || file_opened == 0 || settings.data_file_path.empty()) return;
  write_data_file(settings.data_file_path);
}

void file_save_as(FileCommandUi& ui) {
  if (sequence_step != 0) return;
  const std::optional<std::string> path = ui.choose_save_path();
  if (!path) return;
  // The name becomes the current file once the file has been written.
  if (!write_data_file(*path)) return;
  settings.data_file_path = *path;
  file_opened = 1;
  ui.repaint_file_name();
}

void exit_prompt(FileCommandUi& ui) {
  if (settings.modified == 0) return;
  if (question_box("データを保存せずに終了しますか？")) return;
  if (settings.data_file_path.empty()) {
    mfc::file_save_as(ui);
  } else {
    mfc::file_save(ui);
  }
}

}  // namespace kyz::mfc
