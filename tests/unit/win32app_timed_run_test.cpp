// The run dialogs with their real procedure and templates, ticked by hand, against
// recording links: a step's message box holds the run rather than nesting steps, and
// whatever ends a dialog ends its run.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "core/protocol/all_items.h"
#include "core/protocol/link_seam.h"
#include "core/protocol/protocol_state.h"
#include "core/settings/configuration.h"
#include "core/settings/settings_record.h"
#include "dialogs/resource_ids.h"
#include "tests/unit/test_support.h"
#include "win32app/run_dialogs.h"

namespace kyz {
namespace {

// Records what is sent.
class Links final : public CommandLinks {
 public:
  void serial_write(std::string_view command) override { sent.emplace_back(command); }
  void socket_send(std::string_view command) override { sent.emplace_back(command); }
  bool tcp_connected() const override { return true; }
  std::vector<std::string> sent;
};

// While a box is open its message loop delivers the next ticks to `dialog`.
class TickingBoxes final : public MessageBoxSink {
 public:
  TickingBoxes() { set_message_box_sink(this); }
  ~TickingBoxes() override { set_message_box_sink(nullptr); }
  BoxAnswer show(BoxKind, std::string_view text, std::string_view, void*) override {
    shown.emplace_back(text);
    for (int i = 0; i < 3; ++i) SendMessageW(dialog, WM_TIMER, timer, 0);
    return BoxAnswer::ok;
  }
  HWND dialog = nullptr;
  UINT_PTR timer = 0;
  std::vector<std::string> shown;
};

class RunDialogs : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
  }
  void SetUp() override {
    reset_settings();
    link_config = LinkConfiguration{};
    set_command_links(&links);
  }
  void TearDown() override {
    if (IsWindow(dialog)) DestroyWindow(dialog);
    set_command_links(nullptr);
    link_config = LinkConfiguration{};
  }
  void open(int menu_id) {
    entry = run_dialog_for_menu(menu_id);
    dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(entry->template_id),
                                nullptr, run_dialog_procedure, reinterpret_cast<LPARAM>(entry));
    ShowWindow(dialog, SW_SHOW);
    boxes.dialog = dialog;
    boxes.timer = entry->run.timer_id;
  }
  void press(int id) { SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
  void ticks(int n) {
    for (int i = 0; i < n; ++i) SendMessageW(dialog, WM_TIMER, entry->run.timer_id, 0);
  }
  bool close_enabled() const { return IsWindowEnabled(GetDlgItem(dialog, IDCANCEL)) != FALSE; }

  Links links;
  TickingBoxes boxes;
  const RunDialog* entry = nullptr;
  HWND dialog = nullptr;
};

TEST_F(RunDialogs, AllItemsSendsEveryStepOnceEvenWhileAStepShowsABoxAndThenEndsItself) {
  settings.title[2] = "A";  // an odd byte count cannot be sent: step 3 warns
  open(IDM_ALL_ITEMS);
  press(IDC_ALL_ITEMS_START);
  press(IDC_ALL_ITEMS_START);
  press(IDCANCEL);
  EXPECT_FALSE(close_enabled());
  ticks(40);
  EXPECT_TRUE(IsWindowVisible(dialog));  // command 2 did not end it
  EXPECT_EQ(sequence_step, 41);
  ticks(20);
  ASSERT_EQ(boxes.shown.size(), 1u);  // the ticks during the box ran no step
  std::vector<std::string> expected;
  for (const AllItemsCommand& c : all_items_commands(settings, Edition::lx)) {
    if (!c.text.empty()) expected.push_back(c.text);
  }
  EXPECT_EQ(links.sent, expected);
  EXPECT_EQ(sequence_step, 0);
  EXPECT_EQ(sequence_busy, 0);
  EXPECT_FALSE(IsWindowVisible(dialog));
}

TEST_F(RunDialogs, ADialogEndedMidRunEndsItsRunSoTheNextOneStarts) {
  open(IDM_READ_BACK);
  press(IDC_READ_BACK_START);
  ticks(3);
  DestroyWindow(dialog);
  EXPECT_EQ(sequence_step, 0);
  EXPECT_EQ(sequence_busy, 0);
  open(IDM_ALL_ITEMS);
  press(IDC_ALL_ITEMS_START);
  ticks(1);
  EXPECT_EQ(links.sent.back().substr(0, 4), "CA01");
}

}  // namespace
}  // namespace kyz
