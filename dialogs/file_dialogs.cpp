#include "dialogs/file_dialogs.h"

#include <commdlg.h>

#include <vector>

#include "core/ui/win32/text_encoding.h"

namespace kyz {
namespace {

// The name field takes paths as long as the platform allows. (The path is kept in a
// string of any length, so a long folder never makes the dialog fail and be taken for
// a cancel.)
constexpr DWORD path_capacity = 32768;

// "データ(*.dat)" first and selected, then "すべて(*.*)"; each entry is a name and a
// pattern, the list ends with an empty pair.
constexpr wchar_t filter[] = L"データ(*.dat)\0*.dat\0すべて(*.*)\0*.*\0";

}  // namespace

std::optional<std::string> show_file_dialog(HWND owner, const FileDialogShape& shape) {
  std::vector<wchar_t> name(path_capacity, L'\0');
  if (shape.initial_name) {
    for (std::size_t i = 0; shape.initial_name[i] && i + 1 < path_capacity; ++i) {
      name[i] = shape.initial_name[i];
    }
  }
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = shape.filter;
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = path_capacity;
  ofn.lpstrTitle = shape.title;
  ofn.lpstrDefExt = shape.default_extension;
  ofn.lpstrInitialDir = shape.initial_folder;
  ofn.Flags = shape.flags | OFN_HIDEREADONLY | OFN_EXPLORER;
  const BOOL chosen = shape.save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
  if (!chosen) return std::nullopt;
  return wide_to_utf8(name.data());
}

// kyz424lx: the name field starts empty and no extension is added.
std::optional<std::string> show_open_dialog(HWND owner) {
  return show_file_dialog(owner, {L"ファイルのオープン", filter, nullptr, nullptr, nullptr,
                                  OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST, false});
}

std::optional<std::string> show_save_dialog(HWND owner) {
  return show_file_dialog(owner, {L"ファイルの保存", filter, nullptr, nullptr, nullptr,
                                  OFN_OVERWRITEPROMPT, true});
}

}  // namespace kyz
