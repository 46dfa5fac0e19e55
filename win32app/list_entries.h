// Filling the drop-down lists of the settings dialogs.
#pragma once

#include <windows.h>

#include <span>
#include <string>
#include <vector>

namespace kyz {

// "first", "first + 1", .. as plain decimal numbers without leading zeros.
std::vector<std::wstring> numbered_texts(int first, int count);

// Appends `entries` to list `list_id` of `dialog` in order, so list index = entry index.
void add_list_entries(HWND dialog, int list_id, std::span<const std::wstring> entries);

}  // namespace kyz
