// Modal dialogs, property pages and the property sheet.
#include "framework/framework.h"

INT_PTR CDialog::DoModal() {
  return ::DialogBoxParamW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(m_template),
                           m_pParent ? m_pParent->m_hWnd : nullptr, DlgProcStub,
                           reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CDialog::DlgProcStub(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<CDialog*>(lparam);
    self->m_hWnd = dialog;
    ::SetWindowLongPtrW(dialog, DWLP_USER, lparam);
  }
  auto* self = reinterpret_cast<CDialog*>(::GetWindowLongPtrW(dialog, DWLP_USER));
  return self ? self->DialogProc(message, wparam, lparam) : FALSE;
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
INT_PTR CALLBACK CPropertyPage::PageProcStub(HWND page, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    lparam = reinterpret_cast<const PROPSHEETPAGEW*>(lparam)->lParam;
  }
  return DlgProcStub(page, message, wparam, lparam);
}

bool CPropertyPage::OnNotify(NMHDR* header, LRESULT& result) {
  if (header->code != static_cast<UINT>(PSN_SETACTIVE)) return false;
  OnSetActive();
  result = 0;  // accept the activation
  return true;
}

namespace {
// The sheet being created: the creation callback carries no parameter of ours.
CPropertySheet* sheet_in_creation = nullptr;
}  // namespace

CPropertySheet::CPropertySheet(UINT caption_id, CWnd* parent)
    : title_(AfxLoadString(caption_id)), parent_(parent) {}

int CALLBACK CPropertySheet::SheetCallback(HWND sheet, UINT message, LPARAM) {
  if (message == PSCB_INITIALIZED && sheet_in_creation) {
    sheet_in_creation->m_hWnd = sheet;
    sheet_in_creation->OnInitSheet();
  }
  return 0;
}

INT_PTR CPropertySheet::DoModal() {
  std::vector<PROPSHEETPAGEW> descriptions;
  for (CPropertyPage* page : pages_) descriptions.push_back(page->Describe());
  PROPSHEETHEADERW header{};
  header.dwSize = sizeof header;
  header.dwFlags = m_dwFlags;
  header.hwndParent = parent_ ? parent_->m_hWnd : nullptr;
  header.hInstance = AfxGetInstanceHandle();
  header.pszCaption = title_.c_str();
  header.nPages = static_cast<UINT>(descriptions.size());
  header.ppsp = descriptions.data();
  header.pfnCallback = SheetCallback;
  sheet_in_creation = this;
  const INT_PTR result = ::PropertySheetW(&header);
  sheet_in_creation = nullptr;
  m_hWnd = nullptr;
  return result;
}
