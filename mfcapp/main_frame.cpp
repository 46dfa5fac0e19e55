#include "mfcapp/main_frame.h"

#include "core/links/win32/serial_link.h"
#include "core/protocol/send_path.h"
#include "core/settings/configuration.h"
#include "core/settings/settings_record.h"
#include "core/ui/message_boxes.h"
#include "dialogs/serial_line_handover.h"
#include "mfcapp/app_state.h"
#include "mfcapp/client_socket.h"
#include "mfcapp/frame_file_commands.h"
#include "mfcapp/kyz424_resource_ids.h"
#include "mfcapp/link_dialogs.h"
#include "mfcapp/receiver_registration.h"
#include "mfcapp/run_dialogs.h"
#include "mfcapp/windows_version.h"

namespace kyz::mfc {

void start_serial_link() {
  open_serial_port();
  app_running = 1;
  // Reports "error creating read thread" itself; the program goes on without it. A line
  // that comes before the frame exists has no command to answer and is dropped.
  start_serial_reader(
      [](std::string_view line) {
        if (void* frame = serial_line_window.load()) post_serial_line(static_cast<HWND>(frame), line);
      },
      app_running);
}

CMainFrame::CMainFrame() {
  reset_settings();
  port_open = 0;
  settings.current_page = 0;
  load_configuration();
  if (link_config.interface == interface_serial) start_serial_link();
  app_running = 1;
}

void CMainFrame::PreCreateWindow(CREATESTRUCTW& cs) {
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  const bool known = GetVersionExW(&version) != 0;
#pragma GCC diagnostic pop
  os_too_new = known && too_new_for_tcp(version.dwMajorVersion) ? 1 : 0;
  cs.lpszClass = frame_class;
  cs.x = 0;
  cs.y = 0;
  cs.cx = 640;
  cs.cy = known ? frame_height_for(version.dwMajorVersion, version.dwMinorVersion) : 206;
  cs.style = WS_SYSMENU | WS_MINIMIZEBOX;
}

int CMainFrame::CommandState(UINT id) {
  switch (id) {
    case ID_SERIAL_PORT: return link_config.interface == interface_serial ? 1 : 0;
    case ID_TCP_IP: return link_config.interface == interface_tcp ? 1 : 0;
    default: return -1;
  }
}

bool CMainFrame::OnCommand(UINT id) {
  FrameFileUi file_ui(m_hWnd, m_pActiveView ? m_pActiveView->m_hWnd : m_hWnd);
  switch (id) {
    case ID_FILE_NEW_SETTINGS: ::kyz::file_new(file_ui); return true;
    case ID_FILE_OPEN_SETTINGS: mfc::file_open(file_ui); return true;
    case ID_FILE_SAVE_SETTINGS: mfc::file_save(file_ui); return true;
    case ID_FILE_SAVE_SETTINGS_AS: mfc::file_save_as(file_ui); return true;
    case ID_APP_EXIT: ExitProgram(); return true;
    case ID_INTERFACE: run_interface_dialog(this); return true;
    case ID_SERIAL_PORT: run_serial_port_dialog(this); return true;
    case ID_TCP_IP: OpenTcpIpDialog(); return true;
    case ID_APP_ABOUT: CNoticeDialog(IDD_ABOUTBOX, this).DoModal(); return true;
    default: return run_timed_run_dialog(this, id);  // "全項目の設定", "設定項目の読み込み"
  }
}

void CMainFrame::OpenTcpIpDialog() {
  if (os_too_new == 1) {
    error_box("このOSでは､動作しません！");
    return;
  }
  CTcpIpDialog(this).DoModal();
}

void CMainFrame::ExitProgram() {
  if (client_socket.connected()) {
    warning_box("TCP/IPを切断してください。");
    return;
  }
  FrameFileUi file_ui(m_hWnd, m_pActiveView ? m_pActiveView->m_hWnd : m_hWnd);
  mfc::exit_prompt(file_ui);
  KillTimer(m_hWnd, watchdog_timer_id);
  stop_serial_reader();
  PostQuitMessage(0);
}

void CMainFrame::OnClose() {
  // The same way out as the menu command; a refusal keeps the window.
  ExitProgram();
}

void CMainFrame::OnTimer(UINT_PTR id) {
  if (id == watchdog_timer_id) answer_watchdog();
}

void CMainFrame::OnInitMenu(HMENU) { SetTimer(m_hWnd, watchdog_timer_id, watchdog_period_ms, nullptr); }

bool CMainFrame::OnContextMenu(HWND, POINT point) {
  if (corner_clicks_.record_signed(point.x, point.y)) {
    OnCommand(ID_READ_BACK);
  }
  return true;
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wparam, LPARAM lparam) {
  // A right click on the frame asks for the context menu when the button comes up, as
  // Windows' default handling does; Wine's would open the system menu instead, and the
  // shortcut's corner lies on the frame while the window sits at (0, 0).
  if (message == WM_CREATE) {
    serial_line_window = m_hWnd;
    make_frame_registration_home(m_hWnd);
  }
  // Reply lines from the serial read thread are handled here, on the frame's thread.
  if (handle_serial_line(message, lparam)) return 0;
  if (message == WM_NCRBUTTONDOWN) return 0;
  if (message == WM_NCRBUTTONUP) {
    SendMessageW(m_hWnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_hWnd), lparam);
    return 0;
  }
  return CFrameWnd::WindowProc(message, wparam, lparam);
}

}  // namespace kyz::mfc
