// The common open and save dialogs of the file commands.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace kyz {

// What a program asks of its open or save dialog. Filter: name and pattern pairs, each
// ended by a NUL, the list ended by an empty pair.
struct FileDialogShape {
  const wchar_t* title;            // nullptr: the system's title
  const wchar_t* filter;
  const wchar_t* default_extension;  // nullptr: the name is used as typed
  const wchar_t* initial_name;     // nullptr: the name field starts empty
  const wchar_t* initial_folder;   // nullptr: the system's choice
  DWORD flags;                     // OFN_ flags beside the hidden read-only box
  bool save;
};
std::optional<std::string> show_file_dialog(HWND owner, const FileDialogShape& shape);

// "ファイルのオープン": an existing file (UTF-8 path), or nothing when cancelled.
std::optional<std::string> show_open_dialog(HWND owner);
// "ファイルの保存": asks before overwriting; or nothing when cancelled.
std::optional<std::string> show_save_dialog(HWND owner);

}  // namespace kyz
