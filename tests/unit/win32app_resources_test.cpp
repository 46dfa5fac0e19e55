// kyz424lx's menu and dialogs as the operator meets them: the program's own resources are
// built into this test, and the dialogs run with their real procedures, modeless, so that
// their windows can be read in-process (another process's menu cannot be read under Wine).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include <cstring>

#include "core/links/client_table.h"
#include "core/links/win32/tcp_link.h"
#include "core/protocol/link_seam.h"
#include "core/protocol/protocol_state.h"
#include "core/settings/configuration.h"
#include "core/settings/edition.h"
#include "core/settings/settings_record.h"
#include "dialogs/dialog_registration.h"
#include "dialogs/page_group_table.h"
#include "dialogs/resource_ids.h"
#include "kyz_version.h"
#include "tests/unit/test_support.h"
#include "win32app/dialogs.h"

namespace kyz {
namespace {

// Every command of the menu as "popup > popup > text id", in menu order; separators
// are left out.
void list_commands(HMENU menu, const std::wstring& path, std::vector<std::wstring>& out) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    wchar_t text[128] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 127;
    ASSERT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info));
    if (info.fType & MFT_SEPARATOR) continue;
    const std::wstring item = path.empty() ? text : path + L" > " + text;
    if (info.hSubMenu) {
      list_commands(info.hSubMenu, item, out);
    } else {
      out.push_back(item + L" " + std::to_wstring(info.wID));
    }
  }
}

TEST(MainMenu, HoldsEveryCommandWithItsTextIdAndPlace) {
  HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), L"IDM_MENU");
  ASSERT_NE(menu, nullptr);
  std::vector<std::wstring> commands;
  list_commands(menu, L"", commands);
  DestroyMenu(menu);
  const std::vector<std::wstring> expected{
      L"ファイル > 新規作成 40001",
      L"ファイル > 開く 40002",
      L"ファイル > 上書き保存 40003",
      L"ファイル > 名前を付けて保存 40004",
      L"ファイル > ｱﾌﾟﾘｹｰｼｮﾝの終了 150",
      L"設定 > KYZの設定 > 情報（タイトル）の設定 40010",
      L"設定 > KYZの設定 > スクロール・スピードの設定 40011",
      L"設定 > KYZの設定 > 文字色の設定 40012",
      L"設定 > KYZの設定 > 背景色ベタ塗りの設定 40013",
      L"設定 > KYZの設定 > 文字レベルの設定 40049",
      L"設定 > KYZの設定 > 表示位置の設定 40014",
      L"設定 > KYZの設定 > 表示位置微調整 40015",
      L"設定 > KYZの設定 > シーケンス・ページの設定 40016",
      L"設定 > KYZの設定 > 時計＆日付けの設定 40017",
      L"設定 > KYZの設定 > スケジュールの設定 40018",
      L"設定 > KYZの設定 > その他の設定 40019",
      L"設定 > KYZの設定 > アラームの設定 40020",
      L"設定 > KYZの設定 > リモートの設定 40021",
      L"設定 > インターフェイスの設定 40006",
      L"設定 > RS-232Cの設定 40007",
      L"設定 > クライアント/サーバー 40179",
      L"設定 > TCP/IPの設定 40008",
      L"設定 > 全項目の設定 40009",
      L"設定 > メンテナンス > 設定項目の読み込み 40180",
      L"情報 > KYZ424LXのﾊﾞｰｼﾞｮﾝ情報 152",
  };
  EXPECT_EQ(commands, expected);
}

// A dialog of the program, created modeless with its real procedure and destroyed with
// the object.
class OpenDialog {
 public:
  OpenDialog(int template_id, DLGPROC procedure, LPARAM parameter = 0)
      : window_(CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(template_id),
                                   nullptr, procedure, parameter)) {}
  ~OpenDialog() {
    if (window_) DestroyWindow(window_);
  }
  OpenDialog(const OpenDialog&) = delete;
  OpenDialog& operator=(const OpenDialog&) = delete;

  HWND window() const { return window_; }
  std::wstring title() const { return text_of(window_); }
  std::wstring text(int id) const { return text_of(GetDlgItem(window_, id)); }
  bool has(int id) const { return GetDlgItem(window_, id) != nullptr; }
  bool is_default_button(int id) const {
    return (GetWindowLongW(GetDlgItem(window_, id), GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON;
  }
  // The texts of the group boxes, in template order.
  std::vector<std::wstring> group_boxes() const {
    std::vector<std::wstring> groups;
    for (HWND child = GetWindow(window_, GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
      wchar_t name[32] = {};
      GetClassNameW(child, name, 32);
      if (lstrcmpiW(name, L"Button") == 0 &&
          (GetWindowLongW(child, GWL_STYLE) & 0x0F) == BS_GROUPBOX) {
        groups.push_back(text_of(child));
      }
    }
    return groups;
  }
  // The entries of a drop-down list in list order, and the index selected.
  std::vector<std::wstring> entries(int id) const {
    std::vector<std::wstring> out;
    const auto count = SendDlgItemMessageW(window_, id, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      wchar_t entry[64] = {};
      SendDlgItemMessageW(window_, id, CB_GETLBTEXT, static_cast<WPARAM>(i),
                          reinterpret_cast<LPARAM>(entry));
      out.push_back(entry);
    }
    return out;
  }
  int selected(int id) const {
    return static_cast<int>(SendDlgItemMessageW(window_, id, CB_GETCURSEL, 0, 0));
  }

 private:
  static std::wstring text_of(HWND w) {
    wchar_t text[256] = {};
    GetWindowTextW(w, text, 256);
    return text;
  }
  HWND window_;
};

TEST(LinkChoiceDialogs, ShowTheirCaptionsGroupsListsAndButtons) {
  link_config = LinkConfiguration{};
  link_config.interface = interface_tcp;
  link_config.com_port = 4;
  link_config.client_server = mode_server;

  OpenDialog interface(IDD_INTERFACE, interface_dialog_procedure);
  ASSERT_NE(interface.window(), nullptr);
  EXPECT_EQ(interface.title(), L"インターフェイスの設定");
  EXPECT_EQ(interface.group_boxes(), std::vector<std::wstring>{L"Interface"});
  EXPECT_EQ(interface.entries(1038), (std::vector<std::wstring>{L"RS-232C", L"TCP/IP"}));
  EXPECT_EQ(interface.selected(1038), 1);
  EXPECT_EQ(interface.text(IDOK), L"OK");
  EXPECT_TRUE(interface.is_default_button(IDOK));
  EXPECT_EQ(interface.text(IDCANCEL), L"閉じる");

  OpenDialog serial(IDD_SERIAL_PORT, serial_port_dialog_procedure);
  ASSERT_NE(serial.window(), nullptr);
  EXPECT_EQ(serial.title(), L"通RS-232Cの設定");
  EXPECT_EQ(serial.group_boxes(), std::vector<std::wstring>{L"COM Port"});
  EXPECT_EQ(serial.entries(1035), (std::vector<std::wstring>{L"COM 1", L"COM 2", L"COM 3",
                                                             L"COM 4", L"COM 5", L"COM 6"}));
  EXPECT_EQ(serial.selected(1035), 4);
  EXPECT_TRUE(serial.is_default_button(IDOK));
  EXPECT_EQ(serial.text(IDCANCEL), L"閉じる");

  OpenDialog role(IDD_CLIENT_SERVER, client_server_dialog_procedure);
  ASSERT_NE(role.window(), nullptr);
  EXPECT_EQ(role.title(), L"クライアント/サーバー");
  EXPECT_EQ(role.group_boxes(), std::vector<std::wstring>{L"選択"});
  EXPECT_EQ(role.entries(1043), (std::vector<std::wstring>{L"Client", L"Server"}));
  EXPECT_EQ(role.selected(1043), 1);
  EXPECT_TRUE(role.is_default_button(IDOK));
  EXPECT_FALSE(role.has(IDCANCEL));  // only OK and the close box

  link_config = LinkConfiguration{};
}

// "閉じる" leaves the interface as it was, whatever the list shows.
TEST(LinkChoiceDialogs, CloseKeepsTheInterface) {
  link_config = LinkConfiguration{};
  link_config.interface = interface_tcp;
  OpenDialog interface(IDD_INTERFACE, interface_dialog_procedure);
  ASSERT_NE(interface.window(), nullptr);
  SendDlgItemMessageW(interface.window(), 1038, CB_SETCURSEL, 0, 0);
  SendMessageW(interface.window(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  EXPECT_FALSE(IsWindowVisible(interface.window()));
  EXPECT_EQ(link_config.interface, interface_tcp);
  link_config = LinkConfiguration{};
}

class ConnectedTcp final : public CommandLinks {
 public:
  void serial_write(std::string_view) override {}
  void socket_send(std::string_view) override {}
  bool tcp_connected() const override { return true; }
};

// The role cannot change while a TCP link is up: the list is locked and shows no role.
TEST(LinkChoiceDialogs, RoleListIsLockedWhileTcpIsConnected) {
  CommandLinks* previous = command_links();
  ConnectedTcp links;
  set_command_links(&links);
  link_config = LinkConfiguration{};
  link_config.client_server = mode_server;
  {
    OpenDialog role(IDD_CLIENT_SERVER, client_server_dialog_procedure);
    ASSERT_NE(role.window(), nullptr);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(role.window(), 1043)));
    EXPECT_EQ(role.selected(1043), -1);
    EXPECT_EQ(link_config.client_server, mode_server);
  }
  set_command_links(previous);
  link_config = LinkConfiguration{};
}

TEST(VersionDialog, ShowsTheVersionAndAnOkButton) {
  OpenDialog version(IDD_VERSION, version_dialog_procedure);
  ASSERT_NE(version.window(), nullptr);
  EXPECT_EQ(version.title(), L"KYZ424LXのﾊﾞｰｼﾞｮﾝ情報");
  EXPECT_EQ(version.text(1001), L"KYZ424LX Version " KYZ_VERSION_TEXT);
  EXPECT_EQ(version.text(IDOK), L"OK");
}

class PageGroupDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    edition = Edition::lx;
    reset_settings();
    link_config = LinkConfiguration{};
    reset_client_table();
  }
  void TearDown() override {
    reset_settings();
    link_config = LinkConfiguration{};
    reset_client_table();
  }
  static OpenDialog open(int menu_id) {
    const PageGroupDialog* d = page_group_dialog_for_menu(menu_id);
    return OpenDialog(d->template_id, page_group_dialog_procedure,
                      reinterpret_cast<LPARAM>(d));
  }
};

TEST_F(PageGroupDialogs, ShowTheirGroupsAndButtons) {
  for (int menu_id : {IDM_SCROLL_SPEED, IDM_CHAR_LEVEL, IDM_BACKGROUND_FILL,
                      IDM_DISPLAY_POSITION}) {
    OpenDialog d = open(menu_id);
    ASSERT_NE(d.window(), nullptr) << menu_id;
    EXPECT_EQ(d.group_boxes(), std::vector<std::wstring>{L"Page change"}) << menu_id;
    EXPECT_EQ(d.text(IDC_SEND), L"設定") << menu_id;
    EXPECT_EQ(d.text(IDCANCEL), L"閉じる") << menu_id;
  }
  OpenDialog colours = open(IDM_CHAR_COLOUR);
  ASSERT_NE(colours.window(), nullptr);
  EXPECT_EQ(colours.group_boxes(), (std::vector<std::wstring>{L"Page change", L"Character color",
                                                              L"Bordering color"}));
}

// Each dialog becomes the window that TCP answers are posted to, and hands an answer
// posted to it to the reply handler. Once it is gone, answers and reply boxes belong to
// the home window again, never to the destroyed dialog.
TEST_F(PageGroupDialogs, TakeTheTcpAnswersWhileOpen) {
  test::BoxRecorder boxes;
  HWND home = CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  set_registration_home(home);
  for (int menu_id : {IDM_SCROLL_SPEED, IDM_CHAR_LEVEL, IDM_BACKGROUND_FILL, IDM_CHAR_COLOUR,
                      IDM_DISPLAY_POSITION}) {
    {
      OpenDialog d = open(menu_id);
      ASSERT_NE(d.window(), nullptr) << menu_id;
      EXPECT_EQ(current_dialog, d.window()) << menu_id;
      std::strcpy(receive_buffer, "GO\r\n");
      received_length = 4;
      boxes.boxes.clear();
      SendMessageW(d.window(), SOCKET_DATA_MESSAGE, 0, 0);
      ASSERT_EQ(boxes.boxes.size(), 1u) << menu_id;
      EXPECT_EQ(boxes.boxes[0].text, "Socket ＯＫ") << menu_id;
    }
    EXPECT_EQ(current_dialog, home) << menu_id;
    EXPECT_EQ(message_box_owner.load(), home) << menu_id;
  }
  set_registration_home(nullptr);
  DestroyWindow(home);
  received_length = 0;
}

// Without a chosen destination client the title is the template's caption as it is;
// with one, the dialog's name, a blank and the client's address.
TEST_F(PageGroupDialogs, TitleNamesTheChosenClientOfTheServerOnly) {
  const std::pair<int, const wchar_t*> captions[] = {
      {IDM_SCROLL_SPEED, L"スクロール・スピードの設定"},
      {IDM_CHAR_LEVEL, L"文字レベルの設定"},
      {IDM_BACKGROUND_FILL, L"背景色ベタ塗りの設定"},
      {IDM_CHAR_COLOUR, L"文字色の設定"},
      {IDM_DISPLAY_POSITION, L"表示位置の設定"},
  };
  client_table.store(3, 1234, "192.168.1.10");
  for (const auto& [menu_id, caption] : captions) {
    link_config.client_server = mode_server;
    link_config.select_number = -1;
    EXPECT_EQ(open(menu_id).title(), caption);

    link_config.select_number = 3;
    EXPECT_EQ(open(menu_id).title(), std::wstring(caption) + L" 192.168.1.10");

    // In client mode the number is the chosen host of the host list, not a client.
    link_config.client_server = mode_client;
    EXPECT_EQ(open(menu_id).title(), caption);
  }
}

}  // namespace
}  // namespace kyz
