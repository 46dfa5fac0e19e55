#include "mfcapp/settings_sheet.h"

#include <algorithm>

#include "core/protocol/setting_senders.h"
#include "core/settings/settings_record.h"
#include "dialogs/dialog_registration.h"
#include "dialogs/dpi_scaling.h"
#include "dialogs/field_dialog_table.h"
#include "dialogs/page_group_table.h"
#include "dialogs/resource_ids.h"
#include "dialogs/schedule_editing.h"
#include "dialogs/timed_run.h"
#include "dialogs/title_dialog_table.h"
#include "mfcapp/client_socket.h"
#include "mfcapp/kyz424_resource_ids.h"
#include "mfcapp/receiver_registration.h"
#include "mfcapp/shared_page_values.h"

namespace kyz::mfc {

namespace {

// A page on one of the shared dialog templates and its shared table entry: the page
// registers as the socket's receiver by its place in the sheet, and a template's
// "閉じる" is not shown, since the sheet's own buttons close it. Each time the page comes
// up it shows again what it shares with other pages.
class CSharedTemplatePage : public CPropertyPage {
 public:
  CSharedTemplatePage(UINT template_id, int place) : CPropertyPage(template_id), place_(place) {}
  int place() const { return place_; }

 protected:
  BOOL OnInitDialog() override {
    register_receiver(m_hWnd, place_);
    ShowWindow(GetDlgItem(IDCANCEL), SW_HIDE);
    return TRUE;
  }
  void OnSetActive() override { show_shared_values(m_hWnd, place_); }

 private:
  int place_;
};

template <typename Entry>
class CSharedPage : public CSharedTemplatePage {
 public:
  explicit CSharedPage(const Entry& entry)
      : CSharedTemplatePage(entry.template_id, entry.command_or_place), entry_(entry) {}

 protected:
  const Entry& entry_;
};

// Page 1: the text of each page, in the font "ＭＳ ゴシック" 16 pixels high at 96 DPI,
// with the input method switched on; "全Page設定" sends pages 1..32 in the stored form
// on timer 3, every 500 ms, the page number in its own box, and stops at an error reply.
// Nothing is locked.
class CTitlePage final : public CSharedTemplatePage {
 public:
  CTitlePage() : CSharedTemplatePage(title_page().template_id, 1) {}
  ~CTitlePage() override {
    if (font_) DeleteObject(font_);
  }

 protected:
  BOOL OnInitDialog() override {
    CSharedTemplatePage::OnInitDialog();
    font_ = CreateFontW(scaled(16, window_dpi(m_hWnd)), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        FIXED_PITCH | FF_MODERN, L"ＭＳ ゴシック");
    SendDlgItemMessage(IDC_TITLE_TEXT, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    initialise_title(m_hWnd, title_page());
    return TRUE;
  }
  bool OnCommand(UINT id, UINT notification) override {
    return title_command(m_hWnd, title_page(), static_cast<int>(id), static_cast<int>(notification));
  }
  void OnTimer(UINT_PTR id) override {
    if (id == title_page().all_pages_run.timer_id) timed_run_tick(m_hWnd, title_page().all_pages_run);
  }
  // The run ends with the page, when the sheet closes.
  bool OnOtherMessage(UINT message, WPARAM, LPARAM) override {
    if (message == WM_DESTROY) end_timed_run_with_dialog(m_hWnd, title_page().all_pages_run);
    return false;
  }

 private:
  HFONT font_ = nullptr;
};

// Page 9: one check box per page; each click is stored at once, "設定" sends the record.
class CSequencePage final : public CSharedTemplatePage {
 public:
  CSequencePage() : CSharedTemplatePage(IDD_SEQUENCE_PAGES, 9) {}

 protected:
  BOOL OnInitDialog() override {
    CSharedTemplatePage::OnInitDialog();
    register_settings_dialog(m_hWnd);
    for (int page = 0; page < page_count; ++page) {
      CheckDlgButton(m_hWnd, IDC_SEQUENCE_PAGE_FIRST + page,
                     settings.sequence_page[page] != 0 ? BST_CHECKED : BST_UNCHECKED);
    }
    return TRUE;
  }
  bool OnCommand(UINT id, UINT notification) override {
    const int page = static_cast<int>(id) - IDC_SEQUENCE_PAGE_FIRST;
    if (page >= 0 && page < page_count) {
      if (notification == BN_CLICKED) {
        settings.sequence_page[page] = IsDlgButtonChecked(m_hWnd, static_cast<int>(id)) == BST_CHECKED ? 1 : 0;
        settings.modified = 1;
      }
      return true;
    }
    if (id != IDC_SEND) return false;
    send_sequence_page();
    return true;
  }
};

// Page 11: the monthly schedule, with two-digit numbers; its hour button reads "時間設定".
class CSchedulePage final : public CSharedTemplatePage {
 public:
  CSchedulePage() : CSharedTemplatePage(IDD_SCHEDULE, 11) {}

 protected:
  BOOL OnInitDialog() override {
    CSharedTemplatePage::OnInitDialog();
    initialise_schedule(m_hWnd, 2);
    SetDlgItemText(IDC_SCHEDULE_SEND_HOURS, L"時間設定");
    return TRUE;
  }
  bool OnCommand(UINT id, UINT notification) override {
    return schedule_command(m_hWnd, static_cast<int>(id), static_cast<int>(notification));
  }
};

// Pages 2, 4, 5, 6 and 7: eight pages of the record at a time, of the one group they
// share.
class CPageGroupPage final : public CSharedPage<PageGroupDialog> {
 public:
  using CSharedPage::CSharedPage;

 protected:
  BOOL OnInitDialog() override {
    CSharedPage::OnInitDialog();
    initialise_page_group(m_hWnd, entry_);
    return TRUE;
  }
  bool OnCommand(UINT id, UINT notification) override {
    return page_group_command(m_hWnd, entry_, static_cast<int>(id), static_cast<int>(notification));
  }
};

// Pages 3, 8, 10, 12 and 13: lists that each have their own "設定".
class CFieldPage final : public CSharedPage<FieldDialog> {
 public:
  using CSharedPage::CSharedPage;

 protected:
  BOOL OnInitDialog() override {
    CSharedPage::OnInitDialog();
    initialise_field_dialog(m_hWnd, entry_);
    return TRUE;
  }
  bool OnCommand(UINT id, UINT notification) override {
    return field_dialog_command(m_hWnd, static_cast<int>(id), static_cast<int>(notification));
  }
};

}  // namespace

CMyPropertySheet::CMyPropertySheet(CWnd* parent) : CPropertySheet(IDS_SHEET_CAPTION, parent) {
  // Apply would have nothing to apply: every edit is stored as it is made.
  m_dwFlags |= PSH_NOAPPLYNOW | PSH_NOCONTEXTHELP;
  std::vector<std::unique_ptr<CSharedTemplatePage>> pages;
  pages.push_back(std::make_unique<CTitlePage>());
  pages.push_back(std::make_unique<CSequencePage>());
  pages.push_back(std::make_unique<CSchedulePage>());
  for (const PageGroupDialog& d : page_group_pages()) pages.push_back(std::make_unique<CPageGroupPage>(d));
  for (const FieldDialog& d : field_pages()) pages.push_back(std::make_unique<CFieldPage>(d));
  std::sort(pages.begin(), pages.end(),
            [](const auto& a, const auto& b) { return a->place() < b->place(); });
  for (auto& page : pages) AddPage(std::move(page));
}

// Cancel would keep the edits too; only OK is shown, in Cancel's place.
void CMyPropertySheet::OnInitSheet() {
  HWND ok = GetDlgItem(IDOK);
  HWND cancel = GetDlgItem(IDCANCEL);
  RECT place{};
  GetWindowRect(cancel, &place);
  MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&place), 2);
  ShowWindow(cancel, SW_HIDE);
  SetWindowPos(ok, nullptr, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

}  // namespace kyz::mfc
