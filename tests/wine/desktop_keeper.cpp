// Holds one hidden window for as long as the Wine environment of a test run lives.
// Wine's virtual desktop ends about a second after its last window, and the next
// program to open a window starts it again, handing it its own standard error: a test
// that happened to do so would then seem to run until the desktop next fell idle,
// since ctest waits for the test's output to close. With this window the desktop,
// started once with its output going nowhere, stays up until the environment stops.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // Never shown: no picture of the desktop and no window search of a test sees it.
  if (!CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr)) {
    return 1;
  }
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
