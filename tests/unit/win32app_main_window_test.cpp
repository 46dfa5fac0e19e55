// The main window as the program creates it: place, size, frame, title, the reduced
// system menu, and the link items of the "設定" menu following the interface each time a
// menu is opened. Run in-process, where the window's menus can be read under Wine too.
#include <gtest/gtest.h>
#include <windows.h>

#include "core/settings/configuration.h"
#include "core/settings/settings_record.h"
#include "win32app/app_state.h"
#include "win32app/main_window.h"
#include "win32app/resource_ids.h"

namespace kyz {
namespace {

class MainWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(register_main_window_class(GetModuleHandleW(nullptr))); }
  void SetUp() override {
    reset_settings();
    link_config = LinkConfiguration{};
    window_ = create_main_window(GetModuleHandleW(nullptr));
    ASSERT_NE(window_, nullptr);
  }
  void TearDown() override {
    KillTimer(window_, watchdog_timer_id);
    DestroyWindow(window_);
    app_running = 0;
    link_config = LinkConfiguration{};
  }
  bool grayed(int id) const {
    const UINT state = GetMenuState(GetMenu(window_), static_cast<UINT>(id), MF_BYCOMMAND);
    EXPECT_NE(state, static_cast<UINT>(-1)) << id;
    return (state & MF_GRAYED) != 0;
  }
  // What opening a menu sends the window.
  void select_menu() { SendMessageW(window_, WM_MENUSELECT, MAKEWPARAM(0, MF_POPUP), 0); }

  HWND window_ = nullptr;
};

TEST_F(MainWindow, OpensAtTheScreenCornerWithAFixedFrameAndOnlyCloseInItsSystemMenu) {
  EXPECT_EQ(app_running, 1);
  RECT r;
  GetWindowRect(window_, &r);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.right - r.left, 640);
  EXPECT_EQ(r.bottom - r.top, 200);
  const LONG style = GetWindowLongW(window_, GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_TRUE(IsWindowVisible(window_));

  // The six standard entries before Close are gone; Close comes first. (Wine adds its own
  // entries after Close.)
  HMENU system_menu = GetSystemMenu(window_, FALSE);
  EXPECT_EQ(GetMenuItemID(system_menu, 0), static_cast<UINT>(SC_CLOSE));
  for (UINT command : {SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE}) {
    EXPECT_EQ(GetMenuState(system_menu, command, MF_BYCOMMAND), static_cast<UINT>(-1))
        << command;
  }
}

TEST_F(MainWindow, TitleNamesTheRole) {
  wchar_t title[64] = {};
  link_config.client_server = mode_server;
  update_main_window_title(window_);
  GetWindowTextW(window_, title, 64);
  EXPECT_STREQ(title, L"KYZ-424 Server Program");
  link_config.client_server = mode_client;
  update_main_window_title(window_);
  GetWindowTextW(window_, title, 64);
  EXPECT_STREQ(title, L"KYZ-424 Client Program");
}

TEST_F(MainWindow, LinkItemsFollowTheInterfaceWhenAMenuOpens) {
  link_config.interface = interface_serial;
  select_menu();
  EXPECT_FALSE(grayed(IDM_SERIAL_PORT));
  EXPECT_TRUE(grayed(IDM_CLIENT_SERVER));
  EXPECT_TRUE(grayed(IDM_TCP_IP));

  link_config.interface = interface_tcp;
  EXPECT_FALSE(grayed(IDM_SERIAL_PORT));  // nothing changes before the next opening
  select_menu();
  EXPECT_TRUE(grayed(IDM_SERIAL_PORT));
  EXPECT_FALSE(grayed(IDM_CLIENT_SERVER));
  EXPECT_FALSE(grayed(IDM_TCP_IP));
  EXPECT_FALSE(grayed(IDM_INTERFACE));
  EXPECT_FALSE(grayed(IDM_ALL_ITEMS));
}

}  // namespace
}  // namespace kyz
