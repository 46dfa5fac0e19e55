#include "win32app/app_state.h"

namespace kyz {

std::atomic<int> app_running{0};
HINSTANCE app_instance = nullptr;
HWND main_window = nullptr;

}  // namespace kyz
