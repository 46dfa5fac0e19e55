// The main window as the program creates it: place, size, frame, title, the reduced
// system menu, and the link items of the "設定" menu following the interface each time a
// menu is opened. Run in-process, where the window's menus can be read under Wine too.
// Serial reply lines reach the settings record only through the window's thread: a
// read thread posting many title replies while the UI side reads the record leaves the
// record untouched until the UI thread handles its messages; then every line is handled
// there, in order, one message box at a time.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include "core/protocol/protocol_state.h"
#include "core/protocol/title_command.h"
#include "core/settings/configuration.h"
#include "core/settings/settings_record.h"
#include "dialogs/resource_ids.h"
#include "dialogs/serial_line_handover.h"
#include "tests/unit/test_support.h"
#include "win32app/app_state.h"
#include "win32app/main_window.h"

namespace kyz {
namespace {

void handle_waiting_lines(HWND window) {
  MSG message;
  while (PeekMessageW(&message, window, SERIAL_LINE_MESSAGE, SERIAL_LINE_MESSAGE, PM_REMOVE)) {
    DispatchMessageW(&message);
  }
}

// Shows boxes as a modal box would: its own message loop runs while it is open. Notes
// the first page title at the moment each box is shown.
class LoopingBoxes final : public MessageBoxSink {
 public:
  explicit LoopingBoxes(HWND window) : window_(window) { set_message_box_sink(this); }
  ~LoopingBoxes() override { set_message_box_sink(nullptr); }
  BoxAnswer show(BoxKind, std::string_view text, std::string_view, void*) override {
    shown.push_back(std::string(text) + " with title " + settings.title[0]);
    handle_waiting_lines(window_);
    return BoxAnswer::ok;
  }
  std::vector<std::string> shown;

 private:
  HWND window_;
};

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

TEST_F(MainWindow, TitleRepliesFromAnotherThreadChangeTheRecordOnlyOnTheWindowsThread) {
  const std::string kanji = "\x8a\xbf\x8e\x9a";           // 漢字
  const std::string katakana = "\x83\x65\x83\x58\x83\x67";  // テスト
  const std::string replies[] = {*title_command(kanji, 0, true),
                                 *title_command(katakana, 0, true)};
  constexpr int line_count = 2000;
  std::atomic<bool> posted{false};
  std::thread reader([&] {
    for (int i = 0; i < line_count; ++i) post_serial_line(window_, replies[i % 2]);
    posted = true;
  });
  int reads = 0;
  while (!posted) {
    ASSERT_TRUE(settings.title[0].empty());
    ++reads;
  }
  reader.join();
  EXPECT_GT(reads, 0);
  EXPECT_TRUE(settings.title[0].empty());

  test::BoxRecorder boxes;
  awaiting_answer = 1;
  handle_waiting_lines(window_);
  EXPECT_EQ(settings.title[0], katakana);  // the last line came last
  EXPECT_EQ(awaiting_answer, 0);
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(MainWindow, LinesArrivingWhileABoxIsOpenWaitForItAndKeepTheirOrder) {
  const std::string kanji = "\x8a\xbf\x8e\x9a";
  LoopingBoxes boxes(window_);
  post_serial_line(window_, "E3\r\n");
  post_serial_line(window_, *title_command(kanji, 0, true));
  post_serial_line(window_, "TSR3\r\n");
  handle_waiting_lines(window_);
  ASSERT_EQ(boxes.shown.size(), 2u);
  // The title line came in while "Command Error" was open and was handled after it.
  EXPECT_EQ(boxes.shown[0], "Command Error with title ");
  EXPECT_EQ(boxes.shown[1], "Success with title " + kanji);
  EXPECT_EQ(settings.clock_range, 2);
}

}  // namespace
}  // namespace kyz
