// The three small link dialogs: interface (RS-232C or TCP/IP), COM port, and the
// client or server role. Each writes its configuration key when the choice is made.
#include <array>

#include "core/protocol/link_seam.h"
#include "core/settings/configuration.h"
#include "dialogs/choice_lists.h"
#include "dialogs/dialog_closing.h"
#include "dialogs/resource_ids.h"
#include "win32app/dialogs.h"

namespace kyz {
namespace {

// A dialog whose list shows `rows` with `value` selected. OK takes the chosen row into
// `value` and writes its key (a failed write is reported); "閉じる" leaves `value` as it
// was.
template <std::size_t N>
INT_PTR choice_taken_on_ok(HWND dialog, UINT message, WPARAM wparam, int list_id,
                           const std::array<const wchar_t*, N>& rows, int& value,
                           bool (*write_key)(const LinkConfiguration&)) {
  switch (message) {
    case WM_INITDIALOG:
      fill_choice_list(dialog, list_id, rows, value);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK) {
        const int row = chosen_row(dialog, list_id);
        if (row >= 0) {
          value = row;
          if (!write_key(link_config)) report_configuration_not_saved();
        }
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      return end_dialog_by(dialog, wparam, {IDCANCEL}) ? TRUE : FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

INT_PTR CALLBACK interface_dialog_procedure(HWND dialog, UINT message, WPARAM wparam,
                                            LPARAM) {
  return choice_taken_on_ok(dialog, message, wparam, IDC_INTERFACE_LIST,
                            std::array{L"RS-232C", L"TCP/IP"}, link_config.interface,
                            write_interface);
}

// The port opens with the new number at the next start.
INT_PTR CALLBACK serial_port_dialog_procedure(HWND dialog, UINT message, WPARAM wparam,
                                              LPARAM) {
  return choice_taken_on_ok(
      dialog, message, wparam, IDC_COM_PORT_LIST,
      std::array{L"COM 1", L"COM 2", L"COM 3", L"COM 4", L"COM 5", L"COM 6"},
      link_config.com_port, write_com_port);
}

INT_PTR CALLBACK client_server_dialog_procedure(HWND dialog, UINT message, WPARAM wparam,
                                                LPARAM) {
  switch (message) {
    case WM_INITDIALOG: {
      const bool connected = command_links() && command_links()->tcp_connected();
      // The role cannot change while a link is up.
      fill_choice_list(dialog, IDC_CLIENT_SERVER_LIST, std::array{L"Client", L"Server"},
                connected ? -1 : link_config.client_server);
      if (connected) EnableWindow(GetDlgItem(dialog, IDC_CLIENT_SERVER_LIST), FALSE);
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wparam) == IDC_CLIENT_SERVER_LIST && HIWORD(wparam) == CBN_SELCHANGE) {
        const int row = chosen_row(dialog, IDC_CLIENT_SERVER_LIST);
        if (row >= 0) {
          link_config.client_server = row;
          if (!write_client_server()) report_configuration_not_saved();
        }
        return TRUE;
      }
      return end_dialog_by(dialog, wparam, {IDOK, IDCANCEL}) ? TRUE : FALSE;
    default:
      return FALSE;
  }
}

}  // namespace kyz
