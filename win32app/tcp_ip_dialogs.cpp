// The TCP/IP dialogs: as client, the host list, the port and connect/disconnect; as
// server, the port, listening, the connected adapters and the choice of the destination.
// Both copy every change of the port box into port_number and write it when they close.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "core/links/tcp_destination.h"
#include "core/links/win32/tcp_link.h"
#include "core/protocol/protocol_state.h"
#include "core/settings/configuration.h"
#include "core/ui/message_boxes.h"
#include "core/ui/win32/text_encoding.h"
#include "dialogs/dialog_registration.h"
#include "dialogs/host_list_controls.h"
#include "dialogs/resource_ids.h"
#include "win32app/dialogs.h"
#include "win32app/tcp_dialog_controls.h"

namespace kyz {
namespace {

constexpr int port_text_limit = 5;

TcpDialogControls client_controls({IDC_TCP_CONNECT, IDC_TCP_DISCONNECT, IDC_TCP_CLIENT_PORT, 0, 0});
TcpDialogControls server_controls(
    {IDOK, IDC_SERVER_STOP, IDC_SERVER_PORT, IDC_SERVER_CLIENT_LIST, IDC_SERVER_DESTINATION});

void copy_port_text(HWND dialog, int port_box) {
  wchar_t text[port_text_limit + 1] = {};
  GetDlgItemTextW(dialog, port_box, text, port_text_limit + 1);
  link_config.port_number = wide_to_utf8(text);
}

int selected_row(HWND dialog, int list_id) {
  return static_cast<int>(SendDlgItemMessageW(dialog, list_id, LB_GETCURSEL, 0, 0));
}

// What both dialogs do alike; true when `message` was handled.
bool handle_common(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam, int port_box,
                   int close_id, TcpDialogControls& controls) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wparam) == port_box) {
        copy_port_text(dialog, port_box);
        return true;
      }
      if (LOWORD(wparam) == close_id || LOWORD(wparam) == IDCANCEL) {
        if (!write_port_number()) report_configuration_not_saved();
        EndDialog(dialog, LOWORD(wparam));
        return true;
      }
      return false;
    case WM_DESTROY:
      controls.detach();
      return false;
    default:
      if (message == SOCKET_EVENT_MESSAGE) {
        handle_network_event(static_cast<SOCKET>(wparam), lparam);
        return true;
      }
      return false;
  }
}

// ---- client

constexpr HostListIds host_ids{IDC_TCP_ADDRESS, IDC_TCP_HOST_LIST};

void open_client(HWND dialog) {
  register_settings_dialog(dialog);
  client_controls.attach(dialog);
  const int chosen = link_config.select_number;
  if (link_config.list_count != 0 && chosen >= 0 && chosen < link_config.list_count) {
    show_host(dialog, host_ids, link_config.host_list[static_cast<std::size_t>(chosen)]);
  }
  for (int n = 0; n < link_config.list_count && n < host_capacity; ++n) {
    append_host_row(dialog, host_ids, link_config.host_list[static_cast<std::size_t>(n)]);
  }
  SendDlgItemMessageW(dialog, IDC_TCP_CLIENT_PORT, EM_LIMITTEXT, port_text_limit, 0);
  SetDlgItemTextW(dialog, IDC_TCP_CLIENT_PORT, utf8_to_wide(link_config.port_number).c_str());
  if (tcp_connected == 1) {
    client_controls.connected();
  } else {
    client_controls.disconnected();
  }
}

void delete_chosen_host(HWND dialog) {
  const int row = selected_row(dialog, IDC_TCP_HOST_LIST);
  if (link_config.list_count == 0 || row < 0) return;
  SendDlgItemMessageW(dialog, IDC_TCP_HOST_LIST, LB_DELETESTRING, static_cast<WPARAM>(row), 0);
  if (delete_host(row) == HostListEdit::not_saved) report_configuration_not_saved();
}

void choose_host(HWND dialog) {
  const int row = selected_row(dialog, IDC_TCP_HOST_LIST);
  if (row < 0 || row >= link_config.list_count) return;
  link_config.select_number = row;
  if (!write_select_number()) report_configuration_not_saved();
  show_host(dialog, host_ids, link_config.host_list[static_cast<std::size_t>(row)]);
}

bool client_command(HWND dialog, int id, int notification) {
  switch (id) {
    case IDC_TCP_ADD: add_shown_host(dialog, host_ids); return true;
    case IDC_TCP_DELETE: delete_chosen_host(dialog); return true;
    case IDC_TCP_HOST_LIST:
      if (notification == LBN_DBLCLK) choose_host(dialog);
      return true;
    case IDC_TCP_CONNECT:
      // The buttons switch when the connect notification arrives.
      if (tcp_connect() != 1) tcp_connected = 0;
      return true;
    case IDC_TCP_DISCONNECT: disconnect_tcp_client(); return true;
    default: return false;
  }
}

// ---- server

void open_server(HWND dialog) {
  // current_dialog stays the settings dialog that registered last.
  message_box_owner = GetActiveWindow();
  server_controls.attach(dialog);
  refresh_client_list();
}

bool server_command(HWND dialog, int id, int notification) {
  switch (id) {
    case IDOK:
      if (tcp_listen() == 1) server_controls.connected();
      return true;
    case IDC_SERVER_STOP: stop_tcp_server(); return true;
    case IDC_SERVER_CLIENT_LIST:
      if (notification == LBN_DBLCLK) choose_destination(selected_row(dialog, id));
      return true;
    default: return false;
  }
}

}  // namespace

INT_PTR CALLBACK tcp_client_dialog_procedure(HWND dialog, UINT message, WPARAM wparam,
                                             LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    open_client(dialog);
    return TRUE;
  }
  if (message == WM_COMMAND && client_command(dialog, LOWORD(wparam), HIWORD(wparam))) return TRUE;
  return handle_common(dialog, message, wparam, lparam, IDC_TCP_CLIENT_PORT, IDOK,
                       client_controls) ? TRUE : FALSE;
}

INT_PTR CALLBACK tcp_server_dialog_procedure(HWND dialog, UINT message, WPARAM wparam,
                                             LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    open_server(dialog);
    return TRUE;
  }
  if (message == WM_COMMAND && server_command(dialog, LOWORD(wparam), HIWORD(wparam))) return TRUE;
  return handle_common(dialog, message, wparam, lparam, IDC_SERVER_PORT, IDCANCEL,
                       server_controls) ? TRUE : FALSE;
}

}  // namespace kyz
