// The dialogs of one list and one "設定" per group box, run modeless with their real
// procedure: TCP answers and titles, the clock's year, the alarm's hold-time box.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "core/links/client_table.h"
#include "core/links/win32/tcp_link.h"
#include "dialogs/clock_values.h"
#include "dialogs/field_dialog_table.h"
#include "dialogs/resource_ids.h"
#include "tests/unit/protocol_test_support.h"

namespace kyz {
namespace {

class FieldDialogs : public test::ProtocolTest {
 protected:
  void TearDown() override {
    if (window_) DestroyWindow(window_);
    received_length = 0;
    client_table.reset();
    test::ProtocolTest::TearDown();
  }
  HWND open(int menu_id) {
    if (window_) DestroyWindow(window_);
    const FieldDialog* d = field_dialog_for_menu(menu_id);
    window_ = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(d->template_id),
                                 nullptr, field_dialog_procedure, reinterpret_cast<LPARAM>(d));
    return window_;
  }
  std::wstring title() const {
    wchar_t text[128] = {};
    GetWindowTextW(window_, text, 128);
    return text;
  }

 private:
  HWND window_ = nullptr;
};

// Each dialog takes the TCP answers while open, and names the chosen server client.
TEST_F(FieldDialogs, TakeTheTcpAnswersAndNameTheChosenClient) {
  const struct {
    int menu_id;
    const wchar_t* caption;
    const wchar_t* with_client;
  } dialogs[] = {{IDM_CLOCK_DATE, L"時計＆日付けの設定", L"時計＆日付けの設定 192.168.1.10"},
                 {IDM_OTHER_SETTINGS, L"その他の設定", L"その他の設定 192.168.1.10"},
                 {IDM_FINE_POSITION, L"表示位置微調整", L"表示位置微調整 192.168.1.10"},
                 {IDM_ALARM, L"アラーム", L"アラームの設定 192.168.1.10"},
                 {IDM_REMOTE, L"リモート", L"リモートの設定 192.168.1.10"}};
  client_table.store(3, 1234, "192.168.1.10");
  link_config.client_server = mode_server;
  for (const auto& d : dialogs) {
    link_config.select_number = -1;
    HWND window = open(d.menu_id);
    ASSERT_NE(window, nullptr) << d.menu_id;
    EXPECT_EQ(title(), d.caption);
    EXPECT_EQ(current_dialog, window);
    std::strcpy(receive_buffer, "GO\r\n");
    received_length = 4;
    boxes.boxes.clear();
    SendMessageW(window, SOCKET_DATA_MESSAGE, 0, 0);
    ASSERT_EQ(boxes.boxes.size(), 1u) << d.menu_id;
    EXPECT_EQ(boxes.boxes[0].text, "Socket ＯＫ");

    link_config.select_number = 3;
    open(d.menu_id);
    EXPECT_EQ(title(), d.with_client);
  }
}

// Only the 60 listed years are ever sent.
TEST_F(FieldDialogs, ClockYearOutsideTheListSendsNothing) {
  const std::pair<WORD, const char*> years[] = {
      {2000, "DSY00\r\n"}, {2059, "DSY59\r\n"}, {1999, nullptr}, {2060, nullptr}};
  for (const auto& [year, sent] : years) {
    clock_values = clock_values_from(SYSTEMTIME{year, 3, 4, 5, 14, 7, 9, 0});
    links.serial.clear();
    send_chosen_year();
    EXPECT_EQ(links.serial, sent ? std::vector<std::string>{sent} : std::vector<std::string>{})
        << year;
  }
}

// Opening the alarm dialog changes nothing, even a hold time beyond the box's three
// characters read from a file; each edit keeps the digits of the first three characters.
TEST_F(FieldDialogs, HoldTimeBoxKeepsTheLeadingDigitsOfThreeCharacters) {
  settings.alarm_hold_time = 1234;
  HWND window = open(IDM_ALARM);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(settings.alarm_hold_time, 1234);
  EXPECT_EQ(settings.modified, 0);
  const std::pair<const wchar_t*, int> edits[] = {
      {L"999", 999}, {L"7-1", 7}, {L"-99", 0}, {L" 42", 0}, {L"", 0}};
  for (const auto& [typed, stored] : edits) {
    settings.alarm_hold_time = 555;
    settings.modified = 0;
    SetDlgItemTextW(window, IDC_ALARM_HOLD_TIME, typed);
    EXPECT_EQ(settings.alarm_hold_time, stored) << typed;
    EXPECT_EQ(settings.modified, 1);
  }
}

}  // namespace
}  // namespace kyz
