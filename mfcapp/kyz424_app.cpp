// kyz424's application object: the framework's sockets, one instance only, the frame
// with its document and view, then the framework's message loop.
#include <windows.h>

#include "core/settings/edition.h"
#include "core/ui/message_boxes.h"
#include "core/ui/win32/windows_message_boxes.h"
#include "dialogs/dpi_scaling.h"
#include "framework/framework.h"
#include "mfcapp/client_socket.h"
#include "mfcapp/kyz424_resource_ids.h"
#include "mfcapp/kyz424_view.h"
#include "mfcapp/main_frame.h"

namespace kyz::mfc {
namespace {

class CKYZ424App final : public CWinApp {
 public:
  CKYZ424App() : CWinApp(L"KYZ424") {}

  bool InitInstance() override {
    edition = Edition::mfc;
    set_message_box_sink(&message_boxes_);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_INTERNET_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    if (!AfxSocketInit()) {
      application_box("ネットワーク機能（WinSock）を初期化できませんでした。");
      return false;
    }
    // Created and checked in one call, so that two starts at the same moment cannot
    // both get through. A mutex we may not open (another user's instance) exists as well.
    instance_mutex_ = CreateMutexW(nullptr, FALSE, L"KYZ424_Instance");
    if (const DWORD error = GetLastError(); error == ERROR_ALREADY_EXISTS || error == ERROR_ACCESS_DENIED) {
      application_box("既に起動しています。");
      return false;
    }
    // The owned mutex named after the program is the second check; the first instance
    // is brought to the front.
    CreateMutexW(nullptr, TRUE, m_pszAppName);
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
      if (HWND first = FindWindowW(nullptr, L"Information scroller")) SetForegroundWindow(first);
      error_box("2重起動はできません");
      return false;
    }
    install_command_links();
    AddDocTemplate(CSingleDocTemplate::Make<CKYZ424Doc, CMainFrame, CKYZ424View>(IDR_MAINFRAME));
    OnFileNew();
    if (!m_pMainWnd || !m_pMainWnd->m_hWnd) return false;
    scale_frame_to_dpi(m_pMainWnd->m_hWnd);
    ShowWindow(m_pMainWnd->m_hWnd, SW_SHOWNORMAL);
    UpdateWindow(m_pMainWnd->m_hWnd);
    return true;
  }

  int ExitInstance() override {
    if (instance_mutex_) CloseHandle(instance_mutex_);
    instance_mutex_ = nullptr;
    return 0;
  }

 private:
  WindowsMessageBoxes message_boxes_;
  HANDLE instance_mutex_ = nullptr;  // "KYZ424_Instance", held while the program runs
};

CKYZ424App the_app;

}  // namespace
}  // namespace kyz::mfc
