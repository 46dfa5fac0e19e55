// The title dialog with its real procedure: the edit box's text lands in the page's
// 199-byte title field, cut before a double-byte character that would not fit whole.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "core/ui/win32/text_encoding.h"
#include "dialogs/resource_ids.h"
#include "tests/unit/protocol_test_support.h"
#include "win32app/dialogs.h"

namespace kyz {
namespace {

using TitleDialog = test::ProtocolTest;

TEST_F(TitleDialog, KeepsThePageTextWithinItsField) {
  HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_TITLE),
                                   nullptr, title_dialog_procedure, 0);
  ASSERT_NE(dialog, nullptr);
  HWND edit = GetDlgItem(dialog, IDC_TITLE_TEXT);
  const std::pair<std::wstring, std::size_t> cases[] = {
      {std::wstring(120, L'あ'), 198},         // 99 characters; a 100th would pass 199
      {L"A" + std::wstring(120, L'あ'), 199},  // 1 + 99 * 2
      {std::wstring(250, L'ｱ'), 199},          // half-width: one byte each
  };
  for (const auto& [typed, bytes] : cases) {
    SetWindowTextW(edit, typed.c_str());
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_TITLE_TEXT, EN_CHANGE),
                 reinterpret_cast<LPARAM>(edit));
    EXPECT_EQ(settings.title[0], wide_to_sjis(typed).substr(0, bytes)) << bytes;
  }
  DestroyWindow(dialog);
}

}  // namespace
}  // namespace kyz
