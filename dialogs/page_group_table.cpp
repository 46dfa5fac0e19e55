#include "dialogs/page_group_table.h"

#include <array>

#include "core/protocol/setting_senders.h"
#include "dialogs/resource_ids.h"

namespace kyz {
namespace {

// Texts keep their blanks: the sign's operators know them in this form.
constexpr std::array<const wchar_t*, 4> scroll_speed_texts{L"約12秒", L"約 6秒", L"約 4秒",
                                                           L"約 3秒"};
constexpr std::array<const wchar_t*, 2> char_level_texts{L" Low", L"High"};
constexpr std::array<const wchar_t*, 2> background_fill_texts{L"OFF", L" ON"};
constexpr std::array<const wchar_t*, 9> colour_texts{
    L"黒", L"赤", L"緑", L"黄", L"青", L"マゼンタ", L"シアン", L"白", L"ブランク"};
constexpr std::array<const wchar_t*, 2> display_position_texts{L"Bottom", L"   Top"};

constexpr std::array<PageGroupColumn, 1> scroll_speed_columns{
    {{IDC_SCROLL_SPEED_FIRST, IDC_PAGE_BOX_FIRST, &SettingsRecord::scroll_speed}}};
constexpr std::array<PageGroupColumn, 1> char_level_columns{
    {{IDC_CHAR_LEVEL_FIRST, IDC_PAGE_BOX_FIRST, &SettingsRecord::char_level}}};
constexpr std::array<PageGroupColumn, 1> background_fill_columns{
    {{IDC_BACKGROUND_FILL_FIRST, IDC_PAGE_BOX_FIRST, &SettingsRecord::background_fill}}};
constexpr std::array<PageGroupColumn, 2> colour_columns{
    {{IDC_CHAR_COLOUR_FIRST, IDC_PAGE_BOX_FIRST, &SettingsRecord::char_color},
     {IDC_BORDER_COLOUR_FIRST, IDC_PAGE_BOX_SECOND_FIRST, &SettingsRecord::border_color}}};
constexpr std::array<PageGroupColumn, 1> display_position_columns{
    {{IDC_DISPLAY_POSITION_FIRST, IDC_PAGE_BOX_FIRST, &SettingsRecord::display_position}}};

// The colour sender refuses a page blank in both columns and reports it itself.
void send_colour_pairs() { send_colour(); }

constexpr std::array<const wchar_t*, page_group_count> group_texts{L"P 1～ 8", L"P 9～P16",
                                                                   L"P17～P24", L"P25～P32"};

const std::array<PageGroupDialog, 5> dialogs{{
    {IDM_SCROLL_SPEED, IDD_SCROLL_SPEED, L"スクロール・スピードの設定 ", scroll_speed_texts,
     scroll_speed_columns, send_scroll_speed, group_texts},
    {IDM_CHAR_LEVEL, IDD_CHAR_LEVEL, L"文字レベルの設定 ", char_level_texts,
     char_level_columns, send_char_level, group_texts},
    {IDM_BACKGROUND_FILL, IDD_BACKGROUND_FILL, L"背景色ベタ塗りの設定 ", background_fill_texts,
     background_fill_columns, send_background_fill, group_texts},
    {IDM_CHAR_COLOUR, IDD_CHAR_COLOUR, L"文字色の設定 ", colour_texts, colour_columns,
     send_colour_pairs, group_texts},
    {IDM_DISPLAY_POSITION, IDD_DISPLAY_POSITION, L"表示位置の設定 ", display_position_texts,
     display_position_columns, send_display_position, group_texts},
}};

// kyz424's pages know the same values by other texts; the values and commands are the same.
constexpr std::array<const wchar_t*, 4> page_scroll_speed_texts{L"約12秒", L"約6秒", L"約4秒",
                                                                L"約3秒"};
constexpr std::array<const wchar_t*, 2> page_char_level_texts{L"Low", L"High"};
constexpr std::array<const wchar_t*, 2> page_background_fill_texts{L"OFF", L"ON"};
constexpr std::array<const wchar_t*, 2> page_display_position_texts{L"Bottom", L"Top"};
constexpr std::array<const wchar_t*, page_group_count> page_group_texts_wide{
    L"P  1～8", L"P  9～16", L"P 17～24", L"P 25～32"};
constexpr std::array<const wchar_t*, page_group_count> page_group_texts_narrow{
    L"P 1～8", L"P 9～16", L"P17～24", L"P25～32"};

}  // namespace

const PageGroupDialog* page_group_dialog_for_menu(int menu_id) {
  for (const PageGroupDialog& d : dialogs) {
    if (d.command_or_place == menu_id) return &d;
  }
  return nullptr;
}

std::span<const PageGroupDialog> page_group_pages() {
  static const std::array<PageGroupDialog, 5> pages{{
      {2, IDD_SCROLL_SPEED, nullptr, page_scroll_speed_texts, scroll_speed_columns,
       send_scroll_speed, page_group_texts_wide},
      {4, IDD_CHAR_LEVEL, nullptr, page_char_level_texts, char_level_columns, send_char_level,
       page_group_texts_wide},
      {5, IDD_BACKGROUND_FILL, nullptr, page_background_fill_texts, background_fill_columns,
       send_background_fill, page_group_texts_wide},
      {6, IDD_CHAR_COLOUR, nullptr, colour_texts, colour_columns, send_colour_pairs,
       page_group_texts_narrow},
      {7, IDD_DISPLAY_POSITION, nullptr, page_display_position_texts, display_position_columns,
       send_display_position, page_group_texts_wide},
  }};
  return pages;
}

}  // namespace kyz
