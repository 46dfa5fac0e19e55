// "スケジュールの設定": the four slots of one day of the monthly schedule, each an hour
// and the page shown from that hour. Every list change is stored at once; both send
// buttons send all 31 days, whatever day is shown. The day shown is the record's
// schedule_day, so the dialog reopens on it.
#include <array>
#include <string>
#include <vector>

#include "core/protocol/setting_senders.h"
#include "core/settings/settings_record.h"
#include "dialogs/dialog_registration.h"
#include "dialogs/list_entries.h"
#include "dialogs/resource_ids.h"
#include "dialogs/schedule_editing.h"

namespace kyz {
namespace {

// One column of four slot lists with its slot-number boxes.
struct ScheduleColumn {
  int first_list_id;
  int first_slot_box_id;
  ScheduleTable SettingsRecord::*field;
  std::vector<std::wstring> (*entries)(int digits);
};

std::vector<std::wstring> hour_texts(int digits) { return numbered_texts(0, 24, digits); }

// Pages 1..32, then "AS" (automatic sequence) and "--" (nothing), as the page references.
std::vector<std::wstring> page_texts(int digits) {
  std::vector<std::wstring> texts = numbered_texts(1, page_count, digits);
  texts.push_back(L"AS");
  texts.push_back(L"--");
  return texts;
}

const std::array<ScheduleColumn, 2> columns{{
    {IDC_SCHEDULE_HOUR_FIRST, IDC_SCHEDULE_HOUR_SLOT_FIRST, &SettingsRecord::schedule_hour,
     hour_texts},
    {IDC_SCHEDULE_PAGE_FIRST, IDC_SCHEDULE_PAGE_SLOT_FIRST, &SettingsRecord::schedule_page,
     page_texts},
}};

void show_day(HWND dialog) {
  for (const ScheduleColumn& column : columns) {
    const auto& day = (settings.*column.field)[settings.schedule_day];
    for (int slot = 0; slot < schedule_slots; ++slot) {
      SendDlgItemMessageW(dialog, column.first_list_id + slot, CB_SETCURSEL,
                          static_cast<WPARAM>(day[slot]), 0);
    }
  }
}

}  // namespace

void initialise_schedule(HWND dialog, int digits) {
  register_settings_dialog(dialog);
  add_list_entries(dialog, IDC_SCHEDULE_DAY, numbered_texts(1, schedule_days, digits));
  for (const ScheduleColumn& column : columns) {
    const std::vector<std::wstring> entries = column.entries(digits);
    for (int slot = 0; slot < schedule_slots; ++slot) {
      add_list_entries(dialog, column.first_list_id + slot, entries);
      SetDlgItemTextW(dialog, column.first_slot_box_id + slot, std::to_wstring(slot + 1).c_str());
    }
  }
  SendDlgItemMessageW(dialog, IDC_SCHEDULE_DAY, CB_SETCURSEL,
                      static_cast<WPARAM>(settings.schedule_day), 0);
  show_day(dialog);
}

namespace {

void switch_day(HWND dialog) {
  const auto day = static_cast<int>(SendDlgItemMessageW(dialog, IDC_SCHEDULE_DAY,
                                                        CB_GETCURSEL, 0, 0));
  if (day < 0 || day >= schedule_days) return;
  settings.schedule_day = day;
  show_day(dialog);
}

void store_slot(HWND dialog, const ScheduleColumn& column, int slot) {
  const auto value = static_cast<int>(SendDlgItemMessageW(dialog, column.first_list_id + slot,
                                                          CB_GETCURSEL, 0, 0));
  if (value < 0) return;
  (settings.*column.field)[settings.schedule_day][slot] = value;
  settings.modified = 1;
}

}  // namespace

bool schedule_command(HWND dialog, int id, int notification) {
  switch (id) {
    case IDC_SCHEDULE_DAY:
      if (notification == CBN_SELCHANGE) switch_day(dialog);
      return true;
    case IDC_SCHEDULE_SEND_HOURS:
      send_schedule_hours();
      return true;
    case IDC_SCHEDULE_SEND_PAGES:
      send_schedule_pages();
      return true;
    default:
      break;
  }
  for (const ScheduleColumn& column : columns) {
    const int slot = id - column.first_list_id;
    if (slot >= 0 && slot < schedule_slots) {
      if (notification == CBN_SELCHANGE) store_slot(dialog, column, slot);
      return true;
    }
  }
  return false;
}

namespace {

// kyz424lx's dialog: plain numbers, the destination client in the title, and "閉じる".
void initialise(HWND dialog, LPARAM) {
  initialise_schedule(dialog, 0);
  set_title_with_destination(dialog, L"スケジュールの設定 ");
}

bool handle_command(HWND dialog, int id, int notification) {
  if (id == IDCANCEL) {
    EndDialog(dialog, IDCANCEL);
    return true;
  }
  return schedule_command(dialog, id, notification);
}

}  // namespace

const DLGPROC schedule_dialog_procedure = settings_dialog_procedure<initialise, handle_command>;

}  // namespace kyz
