// Values of the settings record that more than one page of the settings sheet shows.
// A page shows them again each time it becomes the active page, so that its lists always
// edit and send what they show, whatever another page changed meanwhile.
#pragma once

#include <windows.h>

#include <span>

namespace kyz::mfc {

struct SharedValue {
  const void* field;          // the value in `settings`
  std::span<const int> pages; // places in the sheet of the pages that show it this way
  void (*show)(HWND page);    // shows it as the record holds it now
};

std::span<const SharedValue> shared_values();

// The page at `place` has become the active page: every shared value it shows, from the
// record.
void show_shared_values(HWND page, int place);

}  // namespace kyz::mfc
