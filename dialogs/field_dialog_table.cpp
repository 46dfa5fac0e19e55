#include "dialogs/field_dialog_table.h"

#include <array>
#include <cwchar>
#include <string>

#include "core/protocol/setting_senders.h"
#include "core/settings/settings_record.h"
#include "dialogs/clock_values.h"
#include "dialogs/input_method.h"
#include "dialogs/resource_ids.h"

namespace kyz {
namespace {

// How list numbers are written: plain ("1"), two digits ("01"), right-aligned (" 1").
constexpr wchar_t plain[] = L"%d";
constexpr wchar_t two_digits[] = L"%02d";
constexpr wchar_t right_aligned[] = L"%2d";

// "first".."first + count - 1", each written by `format`.
template <int first, int count, const wchar_t* format = plain>
std::span<const wchar_t* const> numbers() {
  static const std::array<std::wstring, count> texts = [] {
    std::array<std::wstring, count> t;
    for (int i = 0; i < count; ++i) {
      wchar_t text[16];
      std::swprintf(text, 16, format, first + i);
      t[i] = text;
    }
    return t;
  }();
  static const std::array<const wchar_t*, count> pointers = [] {
    std::array<const wchar_t*, count> p{};
    for (int i = 0; i < count; ++i) p[i] = texts[i].c_str();
    return p;
  }();
  return pointers;
}

// Pages 1..32 written by `format`, followed by one more text (value 32).
template <const wchar_t* const* last, const wchar_t* format = plain>
std::span<const wchar_t* const> pages_and() {
  static const std::array<const wchar_t*, page_count + 1> texts = [] {
    std::array<const wchar_t*, page_count + 1> t{};
    const auto pages = numbers<1, page_count, format>();
    for (int i = 0; i < page_count; ++i) t[i] = pages[i];
    t[page_count] = *last;
    return t;
  }();
  return texts;
}
constexpr const wchar_t* auto_text = L"Auto";
constexpr const wchar_t* all_pages_text = L"AS";

// Texts keep their blanks, half- and full-width, as operators know them.
constexpr std::array<const wchar_t*, 3> clock_size_texts{L"Off  ", L"Small", L"Normal"};
constexpr std::array<const wchar_t*, 6> clock_range_texts{
    L"時:分", L"時:分:秒", L"月.日 時:分", L"月.日 時:分:秒", L"年.月.日 時:分",
    L"年.月.日 時:分:秒"};
constexpr std::array<const wchar_t*, 2> scroll_stop_texts{L"解除", L"停止"};
constexpr std::array<const wchar_t*, 2> display_on_off_texts{L"　表示", L"非表示"};
constexpr std::array<const wchar_t*, 2> alarm_or_remote_texts{L"アラーム", L"リモート"};
constexpr std::array<const wchar_t*, 2> alarm_polarity_texts{L"　メイク", L"ブレイク"};
constexpr std::array<const wchar_t*, 2> alarm_return_texts{L"そのまま", L"前に戻る"};
constexpr std::array<const wchar_t*, 3> remote_mode_texts{L"　ＢＣＤ", L"バイナリ", L"　ビット"};

SettingField list(int list_id, std::span<const wchar_t* const> entries, int* value,
                  int button_id, void (*send)()) {
  return {list_id, entries, value, true, button_id, send};
}
SettingField clock_list(int list_id, std::span<const wchar_t* const> entries, int* value,
                        int button_id, void (*send)()) {
  return {list_id, entries, value, false, button_id, send};
}
SettingField button(int button_id, void (*send)()) {
  return {0, {}, nullptr, false, button_id, send};
}

const std::array<SettingField, 9> clock_fields{{
    clock_list(IDC_CLOCK_YEAR, numbers<clock_first_year, clock_year_count>(),
               &clock_values.year_index, IDC_CLOCK_YEAR_SEND, send_chosen_year),
    clock_list(IDC_CLOCK_MONTH, numbers<1, 12>(), &clock_values.month_index,
               IDC_CLOCK_MONTH_SEND, [] { send_clock_month(clock_values.month_index); }),
    clock_list(IDC_CLOCK_DAY, numbers<1, 31>(), &clock_values.day_index, IDC_CLOCK_DAY_SEND,
               [] { send_clock_day(clock_values.day_index); }),
    clock_list(IDC_CLOCK_HOUR, numbers<0, 24>(), &clock_values.hour, IDC_CLOCK_HOUR_SEND,
               [] { send_clock_hour(clock_values.hour); }),
    clock_list(IDC_CLOCK_MINUTE, numbers<0, 60>(), &clock_values.minute,
               IDC_CLOCK_MINUTE_SEND, [] { send_clock_minute(clock_values.minute); }),
    clock_list(IDC_CLOCK_SECOND, numbers<0, 60>(), &clock_values.second,
               IDC_CLOCK_SECOND_SEND, [] { send_clock_second(clock_values.second); }),
    button(IDC_CLOCK_ADJUST_SEND, send_clock_adjust),
    list(IDC_CLOCK_SIZE, clock_size_texts, &settings.clock_size, IDC_CLOCK_SIZE_SEND,
         send_clock_size),
    list(IDC_CLOCK_RANGE, clock_range_texts, &settings.clock_range, IDC_CLOCK_RANGE_SEND,
         send_clock_range),
}};

// The page list: a fixed page, or "Auto" after the last page.
int page_number_shown() { return settings.page_auto == 1 ? page_count : settings.current_page; }
void store_page_number(int index) {
  const bool automatic = index == page_count;
  settings.page_auto = automatic ? 1 : 0;
  settings.current_page = automatic ? 0 : index;
}

const std::array<SettingField, 4> other_fields{{
    {IDC_PAGE_NUMBER, pages_and<&auto_text>(), &settings.current_page, true,
     IDC_PAGE_NUMBER_SEND, send_page_number, page_number_shown, store_page_number},
    list(IDC_SCROLL_STOP, scroll_stop_texts, &settings.scroll_stop, IDC_SCROLL_STOP_SEND,
         [] { send_scroll_stop(settings.scroll_stop); }),
    list(IDC_DISPLAY_ON_OFF, display_on_off_texts, &settings.display_off,
         IDC_DISPLAY_ON_OFF_SEND, [] { send_display_on_off(settings.display_off); }),
    list(IDC_TERMINAL_INPUT, alarm_or_remote_texts, &settings.terminal_input,
         IDC_TERMINAL_INPUT_SEND, send_terminal_input),
}};

const std::array<SettingField, 2> fine_position_fields{{
    list(IDC_TOP_VALUE, numbers<0, 16>(), &settings.top_value, IDC_TOP_VALUE_SEND,
         send_top_value),
    list(IDC_BOTTOM_VALUE, numbers<0, 16>(), &settings.bottom_value, IDC_BOTTOM_VALUE_SEND,
         send_bottom_value),
}};

const std::array<SettingField, 4> alarm_fields{{
    list(IDC_ALARM_MODE, alarm_or_remote_texts, &settings.alarm_mode, IDC_ALARM_MODE_SEND,
         send_alarm_mode),
    list(IDC_ALARM_POLARITY, alarm_polarity_texts, &settings.alarm_polarity,
         IDC_ALARM_POLARITY_SEND, send_alarm_polarity),
    button(IDC_ALARM_HOLD_TIME_SEND, send_alarm_hold_time),
    list(IDC_ALARM_RETURN, alarm_return_texts, &settings.alarm_return, IDC_ALARM_RETURN_SEND,
         send_alarm_return),
}};

const std::array<SettingField, 1> remote_fields{{
    list(IDC_REMOTE_MODE, remote_mode_texts, &settings.remote_mode, IDC_REMOTE_MODE_SEND,
         send_remote_mode),
}};

// The alarm inputs call up pages only; a remote input may also call up all pages ("AS").
const TerminalRows alarm_rows{numbers<1, page_count>(), send_alarm_assignment};
const TerminalRows remote_rows{pages_and<&all_pages_text>(), send_remote_assignment};

void show_hold_time_and_input_method(HWND dialog) {
  SetDlgItemTextW(dialog, IDC_ALARM_HOLD_TIME, std::to_wstring(settings.alarm_hold_time).c_str());
  restore_input_method();
}

bool hold_time_edited(HWND dialog, int id, int notification) {
  if (id != IDC_ALARM_HOLD_TIME) return false;
  if (notification == EN_CHANGE) {
    wchar_t text[4] = {};  // the first three characters are all that count
    GetDlgItemTextW(dialog, id, text, 4);
    settings.alarm_hold_time = hold_time_from_text(text);
    settings.modified = 1;
  }
  return true;
}

const std::array<FieldDialog, 5> dialogs{{
    {IDM_CLOCK_DATE, IDD_CLOCK_DATE, L"時計＆日付けの設定 ", clock_fields, nullptr,
     read_pc_clock},
    {IDM_OTHER_SETTINGS, IDD_OTHER_SETTINGS, L"その他の設定 ", other_fields},
    {IDM_FINE_POSITION, IDD_FINE_POSITION, L"表示位置微調整 ", fine_position_fields},
    {IDM_ALARM, IDD_ALARM, L"アラームの設定 ", alarm_fields, &alarm_rows, nullptr,
     show_hold_time_and_input_method, hold_time_edited},
    {IDM_REMOTE, IDD_REMOTE, L"リモートの設定 ", remote_fields, &remote_rows},
}};

// kyz424's pages know the same values by other texts; the values and commands are the
// same. Its year list offers 2000..2030 only.
constexpr const wchar_t* sequence_text = L"Sequence";
constexpr int page_year_count = 31;
constexpr std::array<const wchar_t*, 3> page_clock_size_texts{L"OFF", L"Small", L"Normal"};
constexpr std::array<const wchar_t*, 6> page_clock_range_texts{
    L"時分", L"時分秒", L"月日時分", L"月日時分秒", L"年月日時分", L"年月日時分秒"};
constexpr std::array<const wchar_t*, 2> page_display_on_off_texts{L"表示", L"非表示"};
constexpr std::array<const wchar_t*, 2> page_alarm_mode_texts{L"内部", L"外部"};
constexpr std::array<const wchar_t*, 2> page_alarm_polarity_texts{L"メーク", L"ブレーク"};
constexpr std::array<const wchar_t*, 3> page_remote_mode_texts{L"BCD", L"バイナリ", L"ビット"};

const std::array<SettingField, 9> page_clock_fields{{
    clock_list(IDC_CLOCK_YEAR, numbers<clock_first_year, page_year_count>(),
               &clock_values.year_index, IDC_CLOCK_YEAR_SEND,
               [] {
                 // A PC year beyond the list shows no year and sends none.
                 const int index = clock_values.year_index;
                 if (index >= 0 && index < page_year_count) send_clock_year(index);
               }),
    clock_list(IDC_CLOCK_MONTH, numbers<1, 12, right_aligned>(), &clock_values.month_index,
               IDC_CLOCK_MONTH_SEND, clock_fields[1].send),
    clock_list(IDC_CLOCK_DAY, numbers<1, 31, right_aligned>(), &clock_values.day_index,
               IDC_CLOCK_DAY_SEND, clock_fields[2].send),
    clock_list(IDC_CLOCK_HOUR, numbers<0, 24, right_aligned>(), &clock_values.hour,
               IDC_CLOCK_HOUR_SEND, clock_fields[3].send),
    clock_list(IDC_CLOCK_MINUTE, numbers<0, 60, right_aligned>(), &clock_values.minute,
               IDC_CLOCK_MINUTE_SEND, clock_fields[4].send),
    clock_list(IDC_CLOCK_SECOND, numbers<0, 60, right_aligned>(), &clock_values.second,
               IDC_CLOCK_SECOND_SEND, clock_fields[5].send),
    clock_fields[6],
    list(IDC_CLOCK_SIZE, page_clock_size_texts, &settings.clock_size, IDC_CLOCK_SIZE_SEND,
         send_clock_size),
    list(IDC_CLOCK_RANGE, page_clock_range_texts, &settings.clock_range, IDC_CLOCK_RANGE_SEND,
         send_clock_range),
}};

const std::array<SettingField, 4> page_other_fields{{
    {IDC_PAGE_NUMBER, pages_and<&sequence_text, two_digits>(), &settings.current_page, true,
     IDC_PAGE_NUMBER_SEND, send_page_number, page_number_shown, store_page_number},
    other_fields[1],
    list(IDC_DISPLAY_ON_OFF, page_display_on_off_texts, &settings.display_off,
         IDC_DISPLAY_ON_OFF_SEND, other_fields[2].send),
    other_fields[3],
}};

const std::array<SettingField, 2> page_fine_position_fields{{
    list(IDC_TOP_VALUE, numbers<0, 16, two_digits>(), &settings.top_value, IDC_TOP_VALUE_SEND,
         send_top_value),
    list(IDC_BOTTOM_VALUE, numbers<0, 16, two_digits>(), &settings.bottom_value,
         IDC_BOTTOM_VALUE_SEND, send_bottom_value),
}};

const std::array<SettingField, 4> page_alarm_fields{{
    list(IDC_ALARM_MODE, page_alarm_mode_texts, &settings.alarm_mode, IDC_ALARM_MODE_SEND,
         send_alarm_mode),
    list(IDC_ALARM_POLARITY, page_alarm_polarity_texts, &settings.alarm_polarity,
         IDC_ALARM_POLARITY_SEND, send_alarm_polarity),
    alarm_fields[2],
    alarm_fields[3],
}};

const std::array<SettingField, 1> page_remote_fields{{
    list(IDC_REMOTE_MODE, page_remote_mode_texts, &settings.remote_mode, IDC_REMOTE_MODE_SEND,
         send_remote_mode),
}};

// kyz424's alarm page switches the input method off instead.
void show_hold_time_and_close_input_method(HWND dialog) {
  SetDlgItemTextW(dialog, IDC_ALARM_HOLD_TIME, std::to_wstring(settings.alarm_hold_time).c_str());
  save_and_close_input_method();
}

}  // namespace

std::span<const FieldDialog> field_pages() {
  static const std::array<FieldDialog, 5> pages{{
      {3, IDD_OTHER_SETTINGS, nullptr, page_other_fields},
      {8, IDD_FINE_POSITION, nullptr, page_fine_position_fields},
      {10, IDD_CLOCK_DATE, nullptr, page_clock_fields, nullptr, read_pc_clock},
      {12, IDD_ALARM, nullptr, page_alarm_fields, &alarm_rows, nullptr,
       show_hold_time_and_close_input_method, hold_time_edited},
      {13, IDD_REMOTE, nullptr, page_remote_fields, &remote_rows},
  }};
  return pages;
}

const FieldDialog* field_dialog_for_menu(int menu_id) {
  for (const FieldDialog& d : dialogs) {
    if (d.command_or_place == menu_id) return &d;
  }
  return nullptr;
}

int hold_time_from_text(std::wstring_view text) {
  int value = 0;
  for (std::size_t i = 0; i < text.size() && i < 3; ++i) {
    if (text[i] < L'0' || text[i] > L'9') break;
    value = value * 10 + (text[i] - L'0');
  }
  return value;
}

}  // namespace kyz
