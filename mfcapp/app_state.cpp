#include "mfcapp/app_state.h"

namespace kyz::mfc {

std::atomic<int> app_running{0};
int file_opened = 0;
std::atomic<void*> serial_line_window{nullptr};
int os_too_new = 0;

}  // namespace kyz::mfc
