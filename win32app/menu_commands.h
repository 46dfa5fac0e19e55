// What the main window's menu commands do.
#pragma once

#include <windows.h>

namespace kyz {

// Runs menu command `id` (a menu id of resource_ids.h). Every dialog is modal and owned
// by `window`; an id that names no command does nothing.
void run_menu_command(HWND window, int id);

// Enables "RS-232Cの設定" for RS-232C, "クライアント/サーバー" and "TCP/IPの設定" for
// TCP/IP, and greys the others, by the configured interface.
void update_link_menu_items(HWND window);

// "ｱﾌﾟﾘｹｰｼｮﾝの終了" and the close box: refused while TCP is connected; otherwise offers
// to save unsaved changes and ends the message loop.
void exit_routine(HWND window);

}  // namespace kyz
