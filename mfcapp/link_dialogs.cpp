#include "mfcapp/link_dialogs.h"

#include <array>

#include "core/links/tcp_destination.h"
#include "core/links/win32/serial_link.h"
#include "core/ui/win32/text_encoding.h"
#include "dialogs/choice_lists.h"
#include "dialogs/host_list_controls.h"
#include "mfcapp/app_state.h"
#include "mfcapp/client_socket.h"
#include "mfcapp/kyz424_resource_ids.h"
#include "mfcapp/main_frame.h"
#include "mfcapp/receiver_registration.h"

namespace kyz::mfc {

namespace {

constexpr std::array<const wchar_t*, 2> interface_rows{L"RS-232C", L"TCP/IP"};
constexpr HostListIds host_ids{IDC_HOST_ADDRESS, IDC_HOST_LIST};
constexpr std::array<const wchar_t*, 6> com_port_rows{L"COM 1", L"COM 2", L"COM 3",
                                                      L"COM 4", L"COM 5", L"COM 6"};

}  // namespace

BOOL CLinkChoiceDialog::OnInitDialog() {
  fill_choice_list(m_hWnd, list_id_, rows_, value_);
  return TRUE;
}

void CLinkChoiceDialog::OnOK() {
  const int row = chosen_row(m_hWnd, list_id_);
  if (row >= 0) take_(row);
  EndDialog(IDOK);
}

void run_interface_dialog(CWnd* parent) {
  CLinkChoiceDialog(IDD_MFC_INTERFACE, parent, IDC_MFC_INTERFACE_LIST, interface_rows,
                    link_config.interface, [](int row) {
                      link_config.interface = row;
                      if (!write_interface()) report_configuration_not_saved();
                      if (row == interface_serial && port_open == 0) start_serial_link();
                    })
      .DoModal();
}

void run_serial_port_dialog(CWnd* parent) {
  CLinkChoiceDialog(IDD_MFC_SERIAL_PORT, parent, IDC_MFC_COM_PORT_LIST, com_port_rows,
                    link_config.com_port, [](int row) {
                      link_config.com_port = row;
                      stop_serial_reader();
                      start_serial_link();
                      if (!write_com_port()) report_configuration_not_saved();
                    })
      .DoModal();
}

CTcpIpDialog::CTcpIpDialog(CWnd* parent) : CDialog(IDD_MFC_TCP_IP, parent) {}

BOOL CTcpIpDialog::OnInitDialog() {
  const int count = link_config.list_count;
  const int chosen = link_config.select_number;
  if (count != 0 && chosen >= 0 && chosen < count) show_host(m_hWnd, host_ids, link_config.host_list[chosen]);
  for (int n = 0; n < count; ++n) append_host_row(m_hWnd, host_ids, link_config.host_list[n]);
  SetDlgItemText(IDC_PORT_BOX, utf8_to_wide(link_config.port_number));
  EnableDlgItem(IDC_CONNECT, !client_socket.connected());
  EnableDlgItem(IDC_DISCONNECT, client_socket.connected());
  register_receiver(m_hWnd, receiver_tcp_dialog);
  return TRUE;
}

bool CTcpIpDialog::OnCommand(UINT id, UINT notification) {
  switch (id) {
    case IDC_ADD_HOST: add_shown_host(m_hWnd, host_ids); return true;
    case IDC_DELETE_HOST: DeleteHost(); return true;
    case IDC_HOST_LIST:
      if (notification == LBN_DBLCLK) ChooseHost();
      return true;
    case IDC_PORT_BOX:
      if (notification == EN_CHANGE) link_config.port_number = wide_to_utf8(GetDlgItemText(IDC_PORT_BOX));
      return true;
    case IDC_CONNECT: client_socket.ConnectToSelectedHost(); return true;
    case IDC_DISCONNECT: client_socket.Disconnect(); return true;
    default: return CDialog::OnCommand(id, notification);
  }
}

void CTcpIpDialog::OnOK() {
  if (!write_port_number()) report_configuration_not_saved();
  EndDialog(IDOK);
}

void CTcpIpDialog::DeleteHost() {
  const auto row = static_cast<int>(SendDlgItemMessage(IDC_HOST_LIST, LB_GETCURSEL));
  if (row < 0) return;
  SendDlgItemMessage(IDC_HOST_LIST, LB_DELETESTRING, static_cast<WPARAM>(row));
  // Writes "list_count" and moves the later hosts' keys down; one report for the action.
  bool saved = delete_host(row) != HostListEdit::not_saved;
  const auto rows = static_cast<int>(SendDlgItemMessage(IDC_HOST_LIST, LB_GETCOUNT));
  if (rows > 0) SendDlgItemMessage(IDC_HOST_LIST, LB_SETCURSEL, static_cast<WPARAM>(row < rows ? row : rows - 1));
  link_config.select_number = row;
  saved = write_select_number() && saved;
  if (!saved) report_configuration_not_saved();
}

void CTcpIpDialog::ChooseHost() {
  const auto row = static_cast<int>(SendDlgItemMessage(IDC_HOST_LIST, LB_GETCURSEL));
  if (row < 0) return;
  const auto length = SendDlgItemMessage(IDC_HOST_LIST, LB_GETTEXTLEN, static_cast<WPARAM>(row));
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendDlgItemMessage(IDC_HOST_LIST, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()));
  if (const auto host = host_from_list_row(wide_to_utf8(text.c_str()))) show_host(m_hWnd, host_ids, *host);
  link_config.select_number = row;
  if (!write_select_number()) report_configuration_not_saved();
}

}  // namespace kyz::mfc
