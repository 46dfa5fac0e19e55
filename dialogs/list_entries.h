// Filling the drop-down lists of the settings dialogs.
#pragma once

#include <windows.h>

#include <span>
#include <string>
#include <vector>

namespace kyz {

// "first", "first + 1", .. as decimal numbers, without leading zeros or, with `digits`,
// zero-padded to that many digits ("01").
std::vector<std::wstring> numbered_texts(int first, int count, int digits = 0);

// Appends `entries` to list `list_id` of `dialog` in order, so list index = entry index.
void add_list_entries(HWND dialog, int list_id, std::span<const std::wstring> entries);

}  // namespace kyz
