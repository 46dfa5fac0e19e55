#include "dialogs/list_entries.h"

namespace kyz {

std::vector<std::wstring> numbered_texts(int first, int count, int digits) {
  std::vector<std::wstring> texts;
  texts.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    std::wstring text = std::to_wstring(first + i);
    if (static_cast<int>(text.size()) < digits) text.insert(0, digits - text.size(), L'0');
    texts.push_back(std::move(text));
  }
  return texts;
}

void add_list_entries(HWND dialog, int list_id, std::span<const std::wstring> entries) {
  for (const std::wstring& entry : entries) {
    SendDlgItemMessageW(dialog, list_id, CB_ADDSTRING, 0,
                        reinterpret_cast<LPARAM>(entry.c_str()));
  }
}

}  // namespace kyz
