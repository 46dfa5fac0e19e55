// Window creation and message dispatch of the frame and the view, and the one way from
// any window of ours to its object.
#include "framework/framework.h"

namespace {
// The object rides on a window property for every kind of window: dialogs leave
// DWLP_USER to the shared dialog procedures whose parts the pages use, and a property
// is the one place that serves windows and dialogs alike.
constexpr wchar_t object_property[] = L"KYZ window object";
}  // namespace

CWnd* CWnd::FromHandlePermanent(HWND window) {
  return window ? static_cast<CWnd*>(::GetPropW(window, object_property)) : nullptr;
}

void CWnd::Attach(HWND window) {
  m_hWnd = window;
  ::SetPropW(window, object_property, this);
}

void CWnd::Detach() {
  if (m_hWnd && FromHandlePermanent(m_hWnd) == this) ::RemovePropW(m_hWnd, object_property);
  m_hWnd = nullptr;
}

CWindow::~CWindow() {
  // Parted first, so that the window's last messages go to the default procedure.
  if (HWND window = m_hWnd) {
    Detach();
    ::DestroyWindow(window);
  }
}

std::wstring CWnd::GetDlgItemText(int id) const {
  HWND item = GetDlgItem(id);
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(item)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(item, text.data(), static_cast<int>(text.size()))));
  return text;
}

bool CWindow::CreateFromStruct(CREATESTRUCTW& cs, HICON icon) {
  WNDCLASSW wc{};
  if (!::GetClassInfoW(cs.hInstance, cs.lpszClass, &wc)) {
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = WndProcStub;
    wc.hInstance = cs.hInstance;
    wc.hIcon = icon;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = cs.lpszClass;
    if (!::RegisterClassW(&wc)) return false;
  }
  return ::CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx,
                           cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, this) != nullptr;
}

LRESULT CALLBACK CWindow::WndProcStub(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    static_cast<CWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams)->Attach(window);
  }
  // Only CWindow objects are joined to windows of this procedure's classes.
  auto* self = static_cast<CWindow*>(FromHandlePermanent(window));
  if (!self) return ::DefWindowProcW(window, message, wparam, lparam);
  const LRESULT result = self->WindowProc(message, wparam, lparam);
  if (message == WM_NCDESTROY) self->Detach();
  return result;
}

LRESULT CWindow::WindowProc(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_TIMER: OnTimer(wparam); return 0;
    case WM_COMMAND:
      if (OnCommand(LOWORD(wparam))) return 0;
      break;
    case WM_CLOSE: OnClose(); return 0;
    case WM_DESTROY: OnDestroy(); return 0;
    case WM_SIZE: OnSize(LOWORD(lparam), HIWORD(lparam)); return 0;
    case WM_INITMENU: OnInitMenu(reinterpret_cast<HMENU>(wparam)); return 0;
    case WM_INITMENUPOPUP: OnInitMenuPopup(reinterpret_cast<HMENU>(wparam)); return 0;
    case WM_CONTEXTMENU:
      if (OnContextMenu(reinterpret_cast<HWND>(wparam),
                        POINT{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))})) {
        return 0;
      }
      break;
    default: break;
  }
  return Default(message, wparam, lparam);
}

bool CFrameWnd::LoadFrame(UINT resource_id) {
  HINSTANCE instance = AfxGetInstanceHandle();
  const std::wstring strings = AfxLoadString(resource_id);
  const std::wstring title = strings.substr(0, strings.find(L'\n'));
  CREATESTRUCTW cs{};
  cs.hInstance = instance;
  cs.hMenu = ::LoadMenuW(instance, MAKEINTRESOURCEW(resource_id));
  cs.lpszName = title.c_str();
  cs.style = WS_OVERLAPPEDWINDOW;
  cs.x = cs.y = cs.cx = cs.cy = CW_USEDEFAULT;
  PreCreateWindow(cs);
  return CreateFromStruct(cs, ::LoadIconW(instance, MAKEINTRESOURCEW(resource_id)));
}

LRESULT CFrameWnd::WindowProc(UINT message, WPARAM wparam, LPARAM lparam) {
  // Menu commands go to the view first, then to the frame.
  if (message == WM_COMMAND && m_pActiveView && m_pActiveView->RouteCommand(LOWORD(wparam))) {
    return 0;
  }
  return CWindow::WindowProc(message, wparam, lparam);
}

void CFrameWnd::OnInitMenuPopup(HMENU menu) {
  const int count = ::GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    const UINT id = ::GetMenuItemID(menu, i);
    if (id == 0 || id == static_cast<UINT>(-1)) continue;  // separators and submenus
    const int state = CommandState(id);
    if (state >= 0) ::EnableMenuItem(menu, id, MF_BYCOMMAND | (state ? MF_ENABLED : MF_GRAYED));
  }
}

void CFrameWnd::OnSize(int width, int height) {
  if (m_pActiveView) ::MoveWindow(m_pActiveView->m_hWnd, 0, 0, width, height, TRUE);
}

bool CView::Create(CFrameWnd* frame) {
  m_pFrame = frame;
  RECT client{};
  ::GetClientRect(frame->m_hWnd, &client);
  CREATESTRUCTW cs{};
  cs.hInstance = AfxGetInstanceHandle();
  cs.lpszClass = L"KYZ View";
  cs.style = WS_CHILD | WS_VISIBLE;
  cs.cx = client.right;
  cs.cy = client.bottom;
  cs.hwndParent = frame->m_hWnd;
  if (!CreateFromStruct(cs)) return false;
  frame->SetActiveView(this);
  return true;
}

void CView::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(m_hWnd, &ps);
  OnDraw(dc);
  ::EndPaint(m_hWnd, &ps);
}
