// Dialog procedures of the smaller dialogs that the main window opens.
#pragma once

#include <windows.h>

namespace kyz {

INT_PTR CALLBACK version_dialog_procedure(HWND dialog, UINT message, WPARAM wparam,
                                          LPARAM lparam);
INT_PTR CALLBACK interface_dialog_procedure(HWND dialog, UINT message, WPARAM wparam,
                                            LPARAM lparam);
INT_PTR CALLBACK serial_port_dialog_procedure(HWND dialog, UINT message, WPARAM wparam,
                                              LPARAM lparam);
INT_PTR CALLBACK client_server_dialog_procedure(HWND dialog, UINT message, WPARAM wparam,
                                                LPARAM lparam);
INT_PTR CALLBACK tcp_client_dialog_procedure(HWND dialog, UINT message, WPARAM wparam,
                                             LPARAM lparam);
INT_PTR CALLBACK tcp_server_dialog_procedure(HWND dialog, UINT message, WPARAM wparam,
                                             LPARAM lparam);

// The title dialog: page texts, sent one page at a time.
extern const DLGPROC title_dialog_procedure;
extern const DLGPROC sequence_page_dialog_procedure;

}  // namespace kyz
