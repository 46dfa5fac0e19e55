// Which program this process is: kyz424lx (plain Win32) or kyz424 (the MFC-style edition).
// Chosen once at start-up, before reset_settings and load_configuration.
#pragma once

namespace kyz {

enum class Edition { lx, mfc };

extern Edition edition;

}  // namespace kyz
