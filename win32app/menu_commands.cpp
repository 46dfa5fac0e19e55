#include "win32app/menu_commands.h"

#include <string>

#include "core/protocol/link_seam.h"
#include "core/settings/configuration.h"
#include "core/settings/settings_record.h"
#include "core/ui/message_boxes.h"
#include "dialogs/field_dialog_table.h"
#include "dialogs/file_commands.h"
#include "dialogs/file_dialogs.h"
#include "dialogs/front_panel.h"
#include "dialogs/page_group_table.h"
#include "dialogs/resource_ids.h"
#include "dialogs/schedule_editing.h"
#include "win32app/app_state.h"
#include "win32app/dialogs.h"
#include "win32app/main_window.h"
#include "win32app/run_dialogs.h"

namespace kyz {
namespace {

// The file commands' dialogs and panel, on the main window.
class MainWindowFileUi final : public FileCommandUi {
 public:
  explicit MainWindowFileUi(HWND window) : window_(window) {}
  std::optional<std::string> choose_open_path() override { return show_open_dialog(window_); }
  std::optional<std::string> choose_save_path() override { return show_save_dialog(window_); }
  void repaint_file_name() override { ::kyz::repaint_file_name(window_); }

 private:
  HWND window_;
};

INT_PTR run_dialog(HWND owner, int template_id, DLGPROC procedure, LPARAM parameter = 0) {
  return DialogBoxParamW(app_instance, MAKEINTRESOURCEW(template_id), owner, procedure,
                         parameter);
}

bool tcp_is_connected() { return command_links() && command_links()->tcp_connected(); }

}  // namespace

void run_menu_command(HWND window, int id) {
  MainWindowFileUi file_ui(window);
  if (const PageGroupDialog* dialog = page_group_dialog_for_menu(id)) {
    run_dialog(window, dialog->template_id, page_group_dialog_procedure,
               reinterpret_cast<LPARAM>(dialog));
    return;
  }
  if (const FieldDialog* dialog = field_dialog_for_menu(id)) {
    run_dialog(window, dialog->template_id, field_dialog_procedure,
               reinterpret_cast<LPARAM>(dialog));
    return;
  }
  if (const RunDialog* dialog = run_dialog_for_menu(id)) {
    run_dialog(window, dialog->template_id, run_dialog_procedure,
               reinterpret_cast<LPARAM>(dialog));
    // A read-back has changed the record: the panel shows it at once.
    InvalidateRect(window, nullptr, TRUE);
    return;
  }
  switch (id) {
    case IDM_FILE_NEW: file_new(file_ui); break;
    case IDM_FILE_OPEN: file_open(file_ui); break;
    case IDM_FILE_SAVE: file_save(file_ui); break;
    case IDM_FILE_SAVE_AS: file_save_as(file_ui); break;
    case IDM_EXIT: exit_routine(window); break;
    case IDM_INTERFACE: run_dialog(window, IDD_INTERFACE, interface_dialog_procedure); break;
    case IDM_SERIAL_PORT:
      run_dialog(window, IDD_SERIAL_PORT, serial_port_dialog_procedure);
      break;
    case IDM_CLIENT_SERVER:
      run_dialog(window, IDD_CLIENT_SERVER, client_server_dialog_procedure);
      update_main_window_title(window);
      break;
    case IDM_TCP_IP:
      if (link_config.client_server == mode_server) {
        run_dialog(window, IDD_TCP_SERVER, tcp_server_dialog_procedure);
      } else {
        run_dialog(window, IDD_TCP_CLIENT, tcp_client_dialog_procedure);
      }
      break;
    case IDM_TITLE: run_dialog(window, IDD_TITLE, title_dialog_procedure); break;
    case IDM_SCHEDULE: run_dialog(window, IDD_SCHEDULE, schedule_dialog_procedure); break;
    case IDM_SEQUENCE_PAGES:
      run_dialog(window, IDD_SEQUENCE_PAGES, sequence_page_dialog_procedure);
      break;
    case IDM_VERSION: run_dialog(window, IDD_VERSION, version_dialog_procedure); break;
    default: break;
  }
}

void update_link_menu_items(HWND window) {
  HMENU menu = GetMenu(window);
  const bool serial = link_config.interface == interface_serial;
  const UINT serial_state = serial ? MF_ENABLED : MF_GRAYED;
  const UINT tcp_state = serial ? MF_GRAYED : MF_ENABLED;
  EnableMenuItem(menu, IDM_SERIAL_PORT, MF_BYCOMMAND | serial_state);
  EnableMenuItem(menu, IDM_CLIENT_SERVER, MF_BYCOMMAND | tcp_state);
  EnableMenuItem(menu, IDM_TCP_IP, MF_BYCOMMAND | tcp_state);
}

void exit_routine(HWND window) {
  if (tcp_is_connected()) {
    error_box("TCP/IPを切断してください。");
    return;
  }
  MainWindowFileUi file_ui(window);
  exit_prompt(file_ui);
  app_running = 0;
  PostQuitMessage(0);
}

}  // namespace kyz
