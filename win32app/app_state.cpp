#include "win32app/app_state.h"

namespace kyz {

std::atomic<int> app_running{0};

}  // namespace kyz
