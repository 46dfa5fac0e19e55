// Serial reply lines reach the settings record only through the main window's thread:
// a read thread posting many title replies while the UI side reads the record leaves
// the record untouched until the UI thread handles its messages; then every line is
// handled there, in order, one message box at a time.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include "core/protocol/protocol_state.h"
#include "core/protocol/title_command.h"
#include "core/settings/settings_record.h"
#include "tests/unit/test_support.h"
#include "win32app/app_state.h"
#include "win32app/main_window.h"
#include "win32app/serial_line_handover.h"

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

class SerialHandover : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { register_main_window_class(GetModuleHandleW(nullptr)); }
  static void TearDownTestSuite() {
    UnregisterClassW(main_window_class, GetModuleHandleW(nullptr));
  }
  void SetUp() override {
    reset_settings();
    window_ = create_main_window(GetModuleHandleW(nullptr));
    ASSERT_NE(window_, nullptr);
  }
  void TearDown() override {
    KillTimer(window_, watchdog_timer_id);
    DestroyWindow(window_);
    app_running = 0;
    reset_settings();
  }
  HWND window_ = nullptr;
};

TEST_F(SerialHandover, TitleRepliesFromAnotherThreadChangeTheRecordOnlyOnTheWindowsThread) {
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

TEST_F(SerialHandover, LinesArrivingWhileABoxIsOpenWaitForItAndKeepTheirOrder) {
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
