// What kyz424 makes of the Windows version: the frame's height and whether the TCP/IP
// dialog can work.
#pragma once

namespace kyz::mfc {

// 200 pixels on Windows 2000 (5.0) and older, 206 on XP (5.1) and later.
constexpr int frame_height_for(unsigned major, unsigned minor) {
  return major < 5 || (major == 5 && minor == 0) ? 200 : 206;
}

// Major version above 5.
constexpr bool too_new_for_tcp(unsigned major) { return major > 5; }

}  // namespace kyz::mfc
