// The main window of kyz424: 640 pixels wide at the screen's top left, the front panel
// in its view, the settings menu, the answer watchdog and the maintenance shortcut.
#pragma once

#include "dialogs/corner_clicks.h"
#include "framework/framework.h"

namespace kyz::mfc {

inline constexpr wchar_t frame_class[] = L"KYZ424 Frame";
// Started each time a menu opens; each tick runs the serial answer watchdog.
inline constexpr UINT_PTR watchdog_timer_id = 1;
inline constexpr UINT watchdog_period_ms = 500;

// Opens the serial port named by com_port and starts its read thread, whose reply lines
// the frame's thread handles. At start-up and when the link dialogs change the port.
void start_serial_link();

class CMainFrame final : public CFrameWnd {
 public:
  // Resets the settings, reads the configuration and, for RS-232C, opens the port and
  // starts its read thread.
  CMainFrame();

 protected:
  void PreCreateWindow(CREATESTRUCTW& cs) override;
  int CommandState(UINT id) override;
  bool OnCommand(UINT id) override;
  void OnClose() override;
  void OnTimer(UINT_PTR id) override;
  void OnInitMenu(HMENU menu) override;
  bool OnContextMenu(HWND, POINT point) override;
  LRESULT WindowProc(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  // "ｱﾌﾟﾘｹｰｼｮﾝの終了" and the close box: refused while TCP is connected; otherwise
  // offers to save, stops the serial reader and ends the program.
  void ExitProgram();
  void OpenTcpIpDialog();
  CornerClicks corner_clicks_;
};

}  // namespace kyz::mfc
