// The exit routine: refused while TCP is connected, otherwise ends the message loop.
#include <gtest/gtest.h>
#include <windows.h>

#include "core/protocol/link_seam.h"
#include "core/settings/settings_record.h"
#include "tests/unit/test_support.h"
#include "win32app/app_state.h"
#include "win32app/menu_commands.h"

namespace kyz {
namespace {

class TcpLinkState final : public CommandLinks {
 public:
  void serial_write(std::string_view) override {}
  void socket_send(std::string_view) override {}
  bool tcp_connected() const override { return connected; }
  bool connected = false;
};

// Takes a pending quit message off this thread's queue; its exit code, or -1 for none.
int take_quit_message() {
  MSG m;
  if (PeekMessageW(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return static_cast<int>(m.wParam);
  return -1;
}

class ExitRoutine : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = command_links();
    set_command_links(&links);
    edition = Edition::lx;
    reset_settings();
    app_running = 1;
    take_quit_message();
  }
  void TearDown() override {
    set_command_links(previous_);
    take_quit_message();
    app_running = 0;
  }
  TcpLinkState links;
  test::BoxRecorder boxes;

 private:
  CommandLinks* previous_ = nullptr;
};

TEST_F(ExitRoutine, IsRefusedWhileTcpIsConnected) {
  links.connected = true;
  settings.modified = 1;  // the question about unsaved changes must not come first
  exit_routine(nullptr);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "TCP/IPを切断してください。");
  EXPECT_EQ(boxes.boxes[0].kind, BoxKind::error);
  EXPECT_EQ(app_running, 1);
  EXPECT_EQ(take_quit_message(), -1);
}

TEST_F(ExitRoutine, EndsTheMessageLoopWhenNothingIsUnsaved) {
  exit_routine(nullptr);
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_EQ(app_running, 0);
  EXPECT_EQ(take_quit_message(), 0);
}

TEST_F(ExitRoutine, AsksAboutUnsavedChangesAndEndsWhateverTheAnswer) {
  settings.modified = 1;
  boxes.answer = BoxAnswer::yes;  // drop the changes
  exit_routine(nullptr);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "データを保存せずに終了しますか？");
  EXPECT_EQ(app_running, 0);
  EXPECT_EQ(take_quit_message(), 0);
}

}  // namespace
}  // namespace kyz
