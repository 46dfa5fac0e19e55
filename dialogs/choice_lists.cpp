#include "dialogs/choice_lists.h"

namespace kyz {

void fill_choice_list(HWND dialog, int list_id, std::span<const wchar_t* const> rows,
                      int selected) {
  HWND list = GetDlgItem(dialog, list_id);
  for (const wchar_t* row : rows) {
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row));
  }
  SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

int chosen_row(HWND dialog, int list_id) {
  return static_cast<int>(SendDlgItemMessageW(dialog, list_id, CB_GETCURSEL, 0, 0));
}

}  // namespace kyz
