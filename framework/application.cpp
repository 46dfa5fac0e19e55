// The application object, the single-document template and the program's entry.
#include "framework/framework.h"

namespace {
CWinApp* the_app = nullptr;
}  // namespace

CWinApp::CWinApp(const wchar_t* name) : m_pszAppName(name) { the_app = this; }

CWinApp* AfxGetApp() { return the_app; }

HINSTANCE AfxGetInstanceHandle() { return the_app ? the_app->m_hInstance : nullptr; }

std::wstring AfxLoadString(UINT id) {
  const wchar_t* text = nullptr;
  // With a zero buffer size LoadStringW hands out a pointer to the resource itself.
  const int length = ::LoadStringW(AfxGetInstanceHandle(), id, reinterpret_cast<LPWSTR>(&text), 0);
  return length > 0 ? std::wstring(text, static_cast<std::size_t>(length)) : std::wstring();
}

int CWinApp::Run() {
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return ExitInstance();
}

void CWinApp::OnFileNew() {
  if (!template_) return;
  template_->OpenNewDocument();
  m_pMainWnd = template_->frame();
}

CDocument* CSingleDocTemplate::OpenNewDocument() {
  if (!frame_) {
    frame_ = make_frame_();
    if (!frame_->LoadFrame(resource_id_)) return nullptr;
    view_ = make_view_();
    if (!view_->Create(frame_.get())) return nullptr;
  }
  document_ = make_document_();
  view_->m_pDocument = document_.get();
  return document_->OnNewDocument() ? document_.get() : nullptr;
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  CWinApp* app = AfxGetApp();
  if (!app) return 1;
  app->m_hInstance = instance;
  if (!app->InitInstance()) return app->ExitInstance();
  return app->Run();
}
