// The common open and save dialogs of the file commands.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace kyz {

// "ファイルのオープン": an existing file (UTF-8 path), or nothing when cancelled.
std::optional<std::string> show_open_dialog(HWND owner);
// "ファイルの保存": asks before overwriting; or nothing when cancelled.
std::optional<std::string> show_save_dialog(HWND owner);

}  // namespace kyz
