#include "mfcapp/settings_sheet.h"

#include "mfcapp/client_socket.h"
#include "mfcapp/kyz424_resource_ids.h"
#include "win32app/page_group_table.h"

namespace kyz::mfc {

namespace {

// Pages 2, 4, 5, 6 and 7: eight pages of the record at a time, shared with kyz424lx's
// page-group dialogs. Each shows the shared group again whenever it comes up, so that a
// list always edits the page whose number it shows.
class CPageGroupPage final : public CPropertyPage {
 public:
  explicit CPageGroupPage(const PageGroupDialog& d) : CPropertyPage(d.template_id), d_(d) {}

 protected:
  BOOL OnInitDialog() override {
    client_socket.Register(m_hWnd, d_.menu_id);  // the page's place in the sheet
    initialise_page_group(m_hWnd, d_);
    return TRUE;
  }
  void OnSetActive() override { show_page_group(m_hWnd, d_); }
  bool OnCommand(UINT id, UINT notification) override {
    return page_group_command(m_hWnd, d_, static_cast<int>(id), static_cast<int>(notification));
  }

 private:
  const PageGroupDialog& d_;
};

constexpr PageGroupPageTemplates page_group_templates{
    IDD_PAGE_SCROLL_SPEED, IDD_PAGE_CHAR_LEVEL, IDD_PAGE_BACKGROUND_FILL,
    IDD_PAGE_CHAR_COLOUR, IDD_PAGE_DISPLAY_POSITION};

}  // namespace

CMyPropertySheet::CMyPropertySheet(CWnd* parent) : CPropertySheet(IDS_SHEET_CAPTION, parent) {
  // Apply would have nothing to apply: every edit is stored as it is made.
  m_dwFlags |= PSH_NOAPPLYNOW | PSH_NOCONTEXTHELP;
  for (const PageGroupDialog& d : page_group_pages(page_group_templates)) {
    pages_.push_back(std::make_unique<CPageGroupPage>(d));
  }
  for (const auto& page : pages_) AddPage(page.get());
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
