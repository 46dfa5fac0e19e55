// Filling and reading the drop-down lists of the link dialogs of both programs.
#pragma once

#include <windows.h>

#include <span>

namespace kyz {

// Puts `rows` into drop-down list `list_id` in order and selects row `selected`
// (-1: none).
void fill_choice_list(HWND dialog, int list_id, std::span<const wchar_t* const> rows,
                      int selected);

// The selected row of drop-down list `list_id`, -1 for none.
int chosen_row(HWND dialog, int list_id);

}  // namespace kyz
