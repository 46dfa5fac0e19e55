// What every settings dialog does when it opens and while it is open: it becomes the
// window that TCP answers are posted to, and remembers the active window as the owner
// of the "設定完了" and "読み込み完了" boxes.
#pragma once

#include <windows.h>

namespace kyz {

void register_settings_dialog(HWND dialog);

// With a destination client chosen on the TCP server, the dialog's title becomes
// `prefix` followed by that client's address; otherwise the template caption stays.
void set_title_with_destination(HWND dialog, const wchar_t* prefix);

// SOCKET_DATA_MESSAGE: a TCP answer is in the receive buffer; hands it to the reply
// handler. True when `message` was that message.
bool handle_socket_data(UINT message);

}  // namespace kyz
