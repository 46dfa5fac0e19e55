// The asynchronous socket: WinSock 1.1 notifications arrive as window messages at a
// hidden window of the framework, which calls the virtual handler of the socket object.
// Everything here runs on the user-interface thread.
#include <map>

#include "framework/framework.h"

namespace {

// The messages handed out to sockets, one per socket, in turn.
constexpr UINT first_notification = WM_USER + 1;
constexpr UINT last_notification = 0x7FFF;

struct OpenSocket {
  CAsyncSocket* object;
  UINT message;
};

// What AfxSocketInit starts and AfxSocketTerm ends.
struct SocketSession {
  bool started = false;
  HWND window = nullptr;
  std::map<SOCKET, OpenSocket> sockets;
  UINT next_message = first_notification;
};
SocketSession session;

LRESULT CALLBACK notification_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message >= first_notification && message <= last_notification) {
    CAsyncSocket::Dispatch(message, static_cast<SOCKET>(wparam), lparam);
    return 0;
  }
  return ::DefWindowProcW(window, message, wparam, lparam);
}

HWND make_notification_window() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = notification_procedure;
  wc.hInstance = AfxGetInstanceHandle();
  wc.lpszClassName = L"KYZ Socket Notifications";
  ::RegisterClassW(&wc);  // fails harmlessly when WinSock is started a second time
  return ::CreateWindowW(wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                         wc.hInstance, nullptr);
}

// The next message that no open socket uses.
UINT take_notification_message() {
  for (;;) {
    const UINT message = session.next_message;
    session.next_message = message == last_notification ? first_notification : message + 1;
    bool in_use = false;
    for (const auto& [handle, open] : session.sockets) in_use = in_use || open.message == message;
    if (!in_use) return message;
  }
}

}  // namespace

bool AfxSocketInit() {
  if (session.started) return true;
  WSADATA data{};
  if (::WSAStartup(MAKEWORD(1, 1), &data) != 0) return false;
  if (data.wVersion != MAKEWORD(1, 1) || !(session.window = make_notification_window())) {
    ::WSACleanup();
    return false;
  }
  session.started = true;
  return true;
}

void AfxSocketTerm() {
  // Each close takes its socket out of the table.
  while (!session.sockets.empty()) session.sockets.begin()->second.object->Close();
  if (session.window) ::DestroyWindow(session.window);
  session.window = nullptr;
  if (session.started) ::WSACleanup();
  session.started = false;
}

CAsyncSocket::~CAsyncSocket() { Close(); }

bool CAsyncSocket::Create(UINT port, long events) {
  Close();  // a socket still open is not left behind unclosed
  if (!session.started) return false;
  m_hSocket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (m_hSocket == INVALID_SOCKET) return false;
  const UINT message = take_notification_message();
  session.sockets[m_hSocket] = OpenSocket{this, message};
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_port = htons(static_cast<u_short>(port));
  local.sin_addr.s_addr = htonl(INADDR_ANY);
  if (::bind(m_hSocket, reinterpret_cast<const sockaddr*>(&local), sizeof local) == SOCKET_ERROR ||
      ::WSAAsyncSelect(m_hSocket, session.window, message, events) == SOCKET_ERROR) {
    Close();
    return false;
  }
  return true;
}

bool CAsyncSocket::Connect(const std::string& address, UINT port) {
  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_port = htons(static_cast<u_short>(port));
  to.sin_addr.s_addr = ::inet_addr(address.c_str());
  return ::connect(m_hSocket, reinterpret_cast<const sockaddr*>(&to), sizeof to) != SOCKET_ERROR;
}

void CAsyncSocket::Close() {
  if (m_hSocket == INVALID_SOCKET) return;
  const SOCKET handle = m_hSocket;
  m_hSocket = INVALID_SOCKET;
  // Out of the table before the handle is given back to the system.
  session.sockets.erase(handle);
  ::WSAAsyncSelect(handle, session.window, 0, 0);
  ::closesocket(handle);
}

void CAsyncSocket::Dispatch(UINT message, SOCKET socket, LPARAM event_word) {
  const auto found = session.sockets.find(socket);
  // Closed while the notification was queued, or a new socket with the old number.
  if (found == session.sockets.end() || found->second.message != message) return;
  CAsyncSocket* s = found->second.object;
  const int error = WSAGETSELECTERROR(event_word);
  switch (WSAGETSELECTEVENT(event_word)) {
    case FD_READ: s->OnReceive(error); break;
    case FD_WRITE: s->OnSend(error); break;
    case FD_OOB: s->OnOutOfBandData(error); break;
    case FD_ACCEPT: s->OnAccept(error); break;
    case FD_CONNECT: s->OnConnect(error); break;
    case FD_CLOSE: s->OnClose(error); break;
    default: break;
  }
}
