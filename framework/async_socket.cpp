// The asynchronous socket: WinSock 1.1 notifications arrive as a window message at a
// hidden window of the framework, which calls the virtual handler of the socket object.
// Everything here runs on the user-interface thread.
#include <map>

#include "framework/framework.h"

namespace {

constexpr UINT socket_notification = WM_USER + 1;
HWND notification_window = nullptr;
std::map<SOCKET, CAsyncSocket*> sockets;

LRESULT CALLBACK notification_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == socket_notification) {
    CAsyncSocket::Dispatch(static_cast<SOCKET>(wparam), lparam);
    return 0;
  }
  return ::DefWindowProcW(window, message, wparam, lparam);
}

bool make_notification_window() {
  if (notification_window) return true;
  WNDCLASSW wc{};
  wc.lpfnWndProc = notification_procedure;
  wc.hInstance = AfxGetInstanceHandle();
  wc.lpszClassName = L"KYZ Socket Notifications";
  ::RegisterClassW(&wc);
  notification_window = ::CreateWindowW(wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                        nullptr, wc.hInstance, nullptr);
  return notification_window != nullptr;
}

}  // namespace

bool AfxSocketInit() {
  WSADATA data{};
  if (::WSAStartup(MAKEWORD(1, 1), &data) != 0) return false;
  if (data.wVersion != MAKEWORD(1, 1)) {
    ::WSACleanup();
    return false;
  }
  return make_notification_window();
}

CAsyncSocket::~CAsyncSocket() { Close(); }

bool CAsyncSocket::Create(UINT port, long events) {
  m_hSocket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (m_hSocket == INVALID_SOCKET) return false;
  sockets[m_hSocket] = this;
  sockaddr_in local{};
  local.sin_family = AF_INET;
  local.sin_port = htons(static_cast<u_short>(port));
  local.sin_addr.s_addr = htonl(INADDR_ANY);
  if (::bind(m_hSocket, reinterpret_cast<const sockaddr*>(&local), sizeof local) == SOCKET_ERROR ||
      ::WSAAsyncSelect(m_hSocket, notification_window, socket_notification, events) == SOCKET_ERROR) {
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
  ::WSAAsyncSelect(m_hSocket, notification_window, 0, 0);
  ::closesocket(m_hSocket);
  sockets.erase(m_hSocket);
  m_hSocket = INVALID_SOCKET;
}

void CAsyncSocket::Dispatch(SOCKET socket, LPARAM event_word) {
  const auto found = sockets.find(socket);
  if (found == sockets.end()) return;  // closed while the notification was queued
  CAsyncSocket* s = found->second;
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
