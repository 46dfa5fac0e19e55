#include "win32app/file_dialogs.h"

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

std::optional<std::string> run(HWND owner, const wchar_t* title, DWORD flags, bool save) {
  std::vector<wchar_t> name(path_capacity, L'\0');  // the name field starts empty
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter;
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = path_capacity;
  ofn.lpstrTitle = title;
  ofn.Flags = flags | OFN_HIDEREADONLY | OFN_EXPLORER;  // no default extension
  const BOOL chosen = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
  if (!chosen) return std::nullopt;
  return wide_to_utf8(name.data());
}

}  // namespace

std::optional<std::string> show_open_dialog(HWND owner) {
  return run(owner, L"ファイルのオープン", OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST, false);
}

std::optional<std::string> show_save_dialog(HWND owner) {
  return run(owner, L"ファイルの保存", OFN_OVERWRITEPROMPT, true);
}

}  // namespace kyz
