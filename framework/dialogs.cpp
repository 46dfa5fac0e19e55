// Modal dialogs, property pages and the property sheet.
#include <algorithm>

#include "framework/framework.h"

INT_PTR CDialog::DoModal() {
  return ::DialogBoxParamW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(m_template),
                           m_pParent ? m_pParent->m_hWnd : nullptr, DlgProcStub,
                           reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CDialog::DlgProcStub(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) reinterpret_cast<CDialog*>(lparam)->Attach(dialog);
  // Only CDialog objects are joined to windows of this procedure.
  auto* self = static_cast<CDialog*>(FromHandlePermanent(dialog));
  if (!self) return FALSE;
  const INT_PTR result = self->DialogProc(message, wparam, lparam);
  if (message == WM_NCDESTROY) self->Detach();
  return result;
}

INT_PTR CDialog::DialogProc(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG: return OnInitDialog();
    case WM_COMMAND: return OnCommand(LOWORD(wparam), HIWORD(wparam)) ? TRUE : FALSE;
    case WM_TIMER: OnTimer(wparam); return TRUE;
    case WM_NOTIFY: {
      LRESULT result = 0;
      if (!OnNotify(reinterpret_cast<NMHDR*>(lparam), result)) return FALSE;
      ::SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, result);
      return TRUE;
    }
    default: return OnOtherMessage(message, wparam, lparam) ? TRUE : FALSE;
  }
}

bool CDialog::OnCommand(UINT id, UINT) {
  if (id == IDOK) {
    OnOK();
    return true;
  }
  if (id == IDCANCEL) {
    OnCancel();
    return true;
  }
  return false;
}

PROPSHEETPAGEW& CPropertyPage::Describe() {
  psp_ = PROPSHEETPAGEW{};
  psp_.dwSize = sizeof psp_;
  psp_.hInstance = AfxGetInstanceHandle();
  psp_.pszTemplate = MAKEINTRESOURCEW(m_template);
  psp_.pfnDlgProc = PageProcStub;
  psp_.lParam = reinterpret_cast<LPARAM>(this);
  return psp_;
}

// A page's WM_INITDIALOG carries its PROPSHEETPAGE, whose lParam is the page object.
// The first page created also tells its sheet the sheet's window.
INT_PTR CALLBACK CPropertyPage::PageProcStub(HWND page, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    lparam = reinterpret_cast<const PROPSHEETPAGEW*>(lparam)->lParam;
    CPropertySheet* sheet = reinterpret_cast<CPropertyPage*>(lparam)->sheet_;
    if (sheet && !sheet->m_hWnd) sheet->SheetCreated(::GetParent(page));
  }
  return DlgProcStub(page, message, wparam, lparam);
}

namespace {

// The size a dialog template asks for, in dialog units.
SIZE template_size(UINT template_id) {
  HINSTANCE instance = AfxGetInstanceHandle();
  HRSRC found = ::FindResourceW(instance, MAKEINTRESOURCEW(template_id), RT_DIALOG);
  const auto* words = found ? static_cast<const WORD*>(::LockResource(::LoadResource(instance, found))) : nullptr;
  if (!words) return SIZE{0, 0};
  if (words[1] == 0xFFFF) {  // extended template: version, signature, help id, styles, count, x, y
    const auto* extended = reinterpret_cast<const BYTE*>(words) + 4 + 3 * sizeof(DWORD) + sizeof(WORD);
    const auto* xy_cx_cy = reinterpret_cast<const short*>(extended);
    return SIZE{xy_cx_cy[2], xy_cx_cy[3]};
  }
  const auto* plain = reinterpret_cast<const DLGTEMPLATE*>(words);
  return SIZE{plain->cx, plain->cy};
}

// When the sheet's tabs take more rows than the sheet allowed for, the page area is
// smaller than the page: the sheet grows by the difference and its buttons move down.
void fit_sheet_to_page(HWND sheet, HWND page, UINT template_id) {
  const SIZE units = template_size(template_id);
  RECT wanted{0, 0, units.cx, units.cy};
  ::MapDialogRect(page, &wanted);
  HWND tabs = reinterpret_cast<HWND>(::SendMessageW(sheet, PSM_GETTABCONTROL, 0, 0));
  if (!tabs) return;
  RECT area{};
  ::GetClientRect(tabs, &area);
  ::SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  const int grow_x = std::max(0L, wanted.right - (area.right - area.left));
  const int grow_y = std::max(0L, wanted.bottom - (area.bottom - area.top));
  if (grow_x == 0 && grow_y == 0) return;
  auto grow = [](HWND window, int dx, int dy) {
    RECT r{};
    ::GetWindowRect(window, &r);
    ::SetWindowPos(window, nullptr, 0, 0, r.right - r.left + dx, r.bottom - r.top + dy,
                   SWP_NOMOVE | SWP_NOZORDER);
  };
  grow(sheet, grow_x, grow_y);
  grow(tabs, grow_x, grow_y);
  grow(page, grow_x, grow_y);
  for (HWND child = ::GetWindow(sheet, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (child == tabs || child == page || ::GetParent(child) != sheet) continue;
    wchar_t name[32] = {};
    ::GetClassNameW(child, name, 32);
    if (std::wstring(name) != L"Button") continue;
    RECT r{};
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(nullptr, sheet, reinterpret_cast<POINT*>(&r), 2);
    ::SetWindowPos(child, nullptr, r.left + grow_x, r.top + grow_y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  }
  // The moved buttons are painted whole at their new place, not only where the smaller
  // sheet showed them.
  ::RedrawWindow(sheet, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

}  // namespace

bool CPropertyPage::OnNotify(NMHDR* header, LRESULT& result) {
  if (header->code != static_cast<UINT>(PSN_SETACTIVE)) return false;
  fit_sheet_to_page(::GetParent(m_hWnd), m_hWnd, m_template);
  OnSetActive();
  result = 0;  // accept the activation
  return true;
}

CPropertySheet::CPropertySheet(UINT caption_id, CWnd* parent)
    : title_(AfxLoadString(caption_id)), parent_(parent) {}

void CPropertySheet::AddPage(std::unique_ptr<CPropertyPage> page) {
  page->sheet_ = this;
  pages_.push_back(std::move(page));
}

void CPropertySheet::SheetCreated(HWND sheet) {
  m_hWnd = sheet;
  OnInitSheet();
}

INT_PTR CPropertySheet::DoModal() {
  std::vector<PROPSHEETPAGEW> descriptions;
  for (const auto& page : pages_) descriptions.push_back(page->Describe());
  PROPSHEETHEADERW header{};
  header.dwSize = sizeof header;
  header.dwFlags = m_dwFlags;
  header.hwndParent = parent_ ? parent_->m_hWnd : nullptr;
  header.hInstance = AfxGetInstanceHandle();
  header.pszCaption = title_.c_str();
  header.nPages = static_cast<UINT>(descriptions.size());
  header.ppsp = descriptions.data();
  const INT_PTR result = ::PropertySheetW(&header);
  m_hWnd = nullptr;  // the sheet's window has gone with PropertySheetW's return
  return result;
}
