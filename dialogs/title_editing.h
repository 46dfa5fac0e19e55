// The page text box of the title dialog, shared by kyz424's title page: the text of
// the selected page (settings.current_page) between the record and the edit box.
#pragma once

#include <windows.h>

namespace kyz {

// The edit box's text as Shift-JIS, cut to this edition's title field at the last whole
// double-byte character, into the record.
void store_title_text(HWND dialog);
// The selected page's text into the edit box.
void show_title_text(HWND dialog);
// The page list changed: the text of the page left behind is stored, then the new
// page's text shown.
void switch_title_page(HWND dialog);

}  // namespace kyz
