#include "dialogs/title_editing.h"

#include <string>

#include "core/settings/settings_record.h"
#include "core/ui/win32/text_encoding.h"
#include "dialogs/resource_ids.h"

namespace kyz {

// The edit box's text as Shift-JIS, cut to this edition's title field (199 bytes in
// kyz424lx, 225 in kyz424) before the first double-byte character that would not fit.
void store_title_text(HWND dialog) {
  HWND edit = GetDlgItem(dialog, IDC_TITLE_TEXT);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
  settings.title[settings.current_page] = cut_sjis(wide_to_sjis(text), title_capacity());
}

void show_title_text(HWND dialog) {
  SetDlgItemTextW(dialog, IDC_TITLE_TEXT,
                  sjis_to_wide(settings.title[settings.current_page]).c_str());
}

// The text of the page left behind is stored before the new page's text is shown.
void switch_title_page(HWND dialog) {
  const auto page = static_cast<int>(SendDlgItemMessageW(dialog, IDC_TITLE_PAGE,
                                                         CB_GETCURSEL, 0, 0));
  if (page < 0 || page >= page_count) return;
  store_title_text(dialog);
  settings.current_page = page;
  show_title_text(dialog);
}

}  // namespace kyz
