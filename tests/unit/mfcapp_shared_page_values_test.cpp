// The table of values that several pages of the settings sheet show, held against the
// pages' own tables: every record value that two pages edit is shown again by each of
// them when it comes up, and the table lists no value that only one page edits. (Pages
// 9 and 11 edit values of their own: the sequence and the schedule.)
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/settings/settings_record.h"
#include "mfcapp/shared_page_values.h"
#include "dialogs/field_dialog_table.h"
#include "dialogs/page_group_table.h"

namespace kyz::mfc {
namespace {

TEST(SharedPageValues, EveryValueTwoPagesEditIsShownAgainOnEach) {
  // The title page edits the text of page current_page.
  std::map<const void*, std::set<int>> edited_by{{&settings.current_page, {1}}};
  for (const PageGroupDialog& d : page_group_pages()) {
    edited_by[&settings.page_group].insert(d.command_or_place);
    for (const PageGroupColumn& c : d.columns) edited_by[(settings.*c.field).data()].insert(d.command_or_place);
  }
  for (const FieldDialog& d : field_pages()) {
    for (const SettingField& f : d.fields) {
      if (f.value) edited_by[f.value].insert(d.command_or_place);
    }
    if (d.terminal_rows) edited_by[settings.terminal_page.data()].insert(d.command_or_place);
  }
  std::map<const void*, std::set<int>> shared;
  for (const auto& [field, pages] : edited_by) {
    if (pages.size() > 1) shared[field] = pages;
  }

  std::map<const void*, std::set<int>> shown_again;
  for (const SharedValue& v : shared_values()) {
    shown_again[v.field].insert(v.pages.begin(), v.pages.end());
  }
  EXPECT_EQ(shown_again, shared);
  EXPECT_EQ(shared.size(), 3u);  // the page, the page group, the terminal assignment
}

}  // namespace
}  // namespace kyz::mfc
