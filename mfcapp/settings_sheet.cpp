#include "mfcapp/settings_sheet.h"

#include <algorithm>

#include "mfcapp/client_socket.h"
#include "mfcapp/kyz424_resource_ids.h"
#include "win32app/field_dialog_table.h"
#include "win32app/page_group_table.h"

namespace kyz::mfc {

namespace {

// A page on one of kyz424lx's dialog templates and its shared table entry: the page
// registers as the socket's receiver by its place in the sheet, and the template's
// "閉じる" is not shown, since the sheet's own buttons close it.
template <typename Entry>
class CSharedPage : public CPropertyPage {
 public:
  explicit CSharedPage(const Entry& entry) : CPropertyPage(entry.template_id), entry_(entry) {}

 protected:
  BOOL OnInitDialog() override {
    client_socket.Register(m_hWnd, entry_.menu_id);
    ShowWindow(GetDlgItem(IDCANCEL), SW_HIDE);
    return TRUE;
  }
  const Entry& entry_;
};

// Pages 2, 4, 5, 6 and 7: eight pages of the record at a time. Each shows the shared
// group again whenever it comes up, so that a list always edits the page whose number
// it shows.
class CPageGroupPage final : public CSharedPage<PageGroupDialog> {
 public:
  using CSharedPage::CSharedPage;

 protected:
  BOOL OnInitDialog() override {
    CSharedPage::OnInitDialog();
    initialise_page_group(m_hWnd, entry_);
    return TRUE;
  }
  void OnSetActive() override { show_page_group(m_hWnd, entry_); }
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
  std::vector<std::pair<int, std::unique_ptr<CPropertyPage>>> by_place;
  for (const PageGroupDialog& d : page_group_pages()) {
    by_place.emplace_back(d.menu_id, std::make_unique<CPageGroupPage>(d));
  }
  for (const FieldDialog& d : field_pages()) {
    by_place.emplace_back(d.menu_id, std::make_unique<CFieldPage>(d));
  }
  std::sort(by_place.begin(), by_place.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (auto& [place, page] : by_place) {
    AddPage(page.get());
    pages_.push_back(std::move(page));
  }
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
