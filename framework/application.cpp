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

void CWinApp::CloseAllDocuments() {
  m_pMainWnd = nullptr;
  if (template_) template_->CloseAll();
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

void CSingleDocTemplate::CloseAll() {
  if (frame_ && frame_->m_hWnd) ::DestroyWindow(frame_->m_hWnd);
  view_.reset();
  frame_.reset();
  document_.reset();
}

void AfxWinTerm() {
  // Sockets first: no notification can then reach a window or object that is going.
  AfxSocketTerm();
  if (CWinApp* app = AfxGetApp()) app->CloseAllDocuments();
}

// Everything the framework made is gone before the program returns, while the static
// objects (the application, the program's globals) still stand.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  CWinApp* app = AfxGetApp();
  if (!app) return 1;
  app->m_hInstance = instance;
  const int status = app->InitInstance() ? app->Run() : app->ExitInstance();
  AfxWinTerm();
  return status;
}
