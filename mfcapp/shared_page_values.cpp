#include "mfcapp/shared_page_values.h"

#include <algorithm>
#include <array>

#include "core/settings/settings_record.h"
#include "dialogs/field_dialog_table.h"
#include "dialogs/page_group_table.h"
#include "dialogs/resource_ids.h"
#include "dialogs/title_dialog_table.h"

namespace kyz::mfc {
namespace {

constexpr std::array title_page_place{1};
constexpr std::array other_settings_place{3};
constexpr std::array page_group_places{2, 4, 5, 6, 7};
constexpr std::array terminal_places{12, 13};

// The page chosen on "その他の設定" is the page whose text the title page edits; a text
// page chosen on the title page is the fixed page of the page list (which keeps
// "Sequence" while page_auto is set). The page-group pages share one group; the alarm
// and remote pages one terminal assignment ("AS" shows no selection on the alarm page).
const std::array<SharedValue, 4> values{{
    {&settings.current_page, title_page_place, show_title_page},
    {&settings.current_page, other_settings_place,
     [](HWND page) { show_field_list(page, IDC_PAGE_NUMBER); }},
    {&settings.page_group, page_group_places, show_page_group},
    {settings.terminal_page.data(), terminal_places, show_terminal_rows},
}};

}  // namespace

std::span<const SharedValue> shared_values() { return values; }

void show_shared_values(HWND page, int place) {
  for (const SharedValue& value : values) {
    if (std::ranges::find(value.pages, place) != value.pages.end()) value.show(page);
  }
}

}  // namespace kyz::mfc
