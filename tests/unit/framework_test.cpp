// The framework's hidden state, where a fault would show: a window never reaches an
// object that has gone, and an ended dialog leaves no handle behind; the frame's and
// view's windows go before their objects, in order; WinSock is started once and ended by
// the framework's end, which closes a socket still connecting; a notification queued
// for a closed socket never reaches the socket opened after it.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "framework/framework.h"

namespace {

class TestApp final : public CWinApp {
 public:
  TestApp() : CWinApp(L"framework test") { m_hInstance = GetModuleHandleW(nullptr); }
};
TestApp app;

std::vector<std::string> events;

// Handles the messages that are waiting, for up to `ms`, or until `done` holds.
template <typename Done>
void pump(int ms, Done done) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (!done() && std::chrono::steady_clock::now() < until) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    Sleep(5);
  }
}

class ProbeWindow : public CWindow {
 public:
  ProbeWindow(std::string name, int& calls) : name_(std::move(name)), calls_(calls) {}
  ~ProbeWindow() override { events.push_back(name_ + " object gone"); }
  bool Create() {
    CREATESTRUCTW cs{};
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpszClass = L"KYZ Test Probe";
    cs.style = WS_OVERLAPPED;
    return CreateFromStruct(cs);
  }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wparam, LPARAM lparam) override {
    if (message == WM_APP) ++calls_;
    return CWindow::WindowProc(message, wparam, lparam);
  }

 private:
  std::string name_;
  int& calls_;
};

class ProbeDialog final : public CDialog {
 public:
  ProbeDialog() : CDialog(1) {}
  HWND seen = nullptr;
  bool found_itself = false;

 protected:
  BOOL OnInitDialog() override {
    seen = m_hWnd;
    found_itself = FromHandlePermanent(m_hWnd) == this;
    PostMessageW(m_hWnd, WM_COMMAND, IDOK, 0);
    return TRUE;
  }
};

TEST(FrameworkWindows, AWindowAndItsObjectFindEachOtherOnlyWhileBothExist) {
  int calls = 0;
  ProbeWindow lasting("lasting", calls);
  ASSERT_TRUE(lasting.Create());
  const HWND window = lasting.m_hWnd;
  EXPECT_EQ(CWnd::FromHandlePermanent(window), &lasting);
  SendMessageW(window, WM_APP, 0, 0);
  EXPECT_EQ(calls, 1);
  DestroyWindow(window);
  EXPECT_EQ(lasting.m_hWnd, nullptr) << "the object still names its destroyed window";

  // An object that goes first takes its window with it: nothing is left to call it.
  auto early = std::make_unique<ProbeWindow>("early", calls);
  ASSERT_TRUE(early->Create());
  const HWND orphan = early->m_hWnd;
  early.reset();
  EXPECT_FALSE(IsWindow(orphan)) << "a window outlives its object";
  SendMessageW(orphan, WM_APP, 0, 0);
  EXPECT_EQ(calls, 1);

  ProbeDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_TRUE(dialog.found_itself);
  EXPECT_NE(dialog.seen, nullptr);
  EXPECT_EQ(dialog.m_hWnd, nullptr) << "an ended dialog keeps its old handle";
  EXPECT_EQ(CWnd::FromHandlePermanent(dialog.seen), nullptr);
}

class ProbeDocument final : public CDocument {
 public:
  ~ProbeDocument() override { events.push_back("document object gone"); }
};

class ProbeFrame final : public CFrameWnd {
 public:
  ~ProbeFrame() override { events.push_back(std::string("frame object gone") + (m_hWnd ? " first" : "")); }

 protected:
  void PreCreateWindow(CREATESTRUCTW& cs) override { cs.lpszClass = L"KYZ Test Frame"; }
  LRESULT WindowProc(UINT message, WPARAM wparam, LPARAM lparam) override {
    if (message == WM_NCDESTROY) events.push_back("frame window gone");
    return CFrameWnd::WindowProc(message, wparam, lparam);
  }
};

class ProbeView final : public CView {
 public:
  ~ProbeView() override { events.push_back(std::string("view object gone") + (m_hWnd ? " first" : "")); }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wparam, LPARAM lparam) override {
    if (message == WM_NCDESTROY) {
      events.push_back(std::string("view window gone, frame ") +
                       (CWnd::FromHandlePermanent(m_pFrame->m_hWnd) == m_pFrame ? "still there" : "gone"));
    }
    return CView::WindowProc(message, wparam, lparam);
  }
};

TEST(FrameworkEnd, WindowsGoBeforeTheirObjectsAndTheViewBeforeTheFrame) {
  events.clear();
  app.AddDocTemplate(CSingleDocTemplate::Make<ProbeDocument, ProbeFrame, ProbeView>(0));
  app.OnFileNew();
  ASSERT_NE(app.m_pMainWnd, nullptr);
  const HWND frame = app.m_pMainWnd->m_hWnd;
  ASSERT_TRUE(IsWindow(frame));

  AfxWinTerm();
  EXPECT_EQ(app.m_pMainWnd, nullptr);
  EXPECT_FALSE(IsWindow(frame));
  const std::vector<std::string> expected{"view window gone, frame still there", "frame window gone",
                                          "view object gone", "frame object gone",
                                          "document object gone"};
  EXPECT_EQ(events, expected);
  MSG quit;
  while (PeekMessageW(&quit, nullptr, 0, 0, PM_REMOVE)) {}  // the frame's quit message
}

class ProbeSocket final : public CAsyncSocket {
 public:
  int connects = 0;

 protected:
  void OnConnect(int) override { ++connects; }
};

bool notification_waiting() {
  MSG message;
  return PeekMessageW(&message, nullptr, WM_USER + 1, 0x7FFF, PM_NOREMOVE) != 0;
}

TEST(FrameworkSockets, StaleNotificationsAreDroppedAndTheEndClosesEverything) {
  ASSERT_TRUE(AfxSocketInit());
  ASSERT_TRUE(AfxSocketInit());  // a second start is no second WinSock start
  const SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = inet_addr("127.0.0.1");
  int length = sizeof address;
  ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(listen(listener, 4), 0);
  ASSERT_EQ(getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length), 0);
  const UINT port = ntohs(address.sin_port);

  // The first socket's connect notification is queued, then the socket is closed and
  // the system hands its number to the next socket.
  ProbeSocket closed;
  ASSERT_TRUE(closed.Create());
  const SOCKET old_number = closed.m_hSocket;
  closed.Connect("127.0.0.1", port);
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!notification_waiting() && std::chrono::steady_clock::now() < until) Sleep(5);
  ASSERT_TRUE(notification_waiting());
  closed.Close();
  ProbeSocket next;
  ASSERT_TRUE(next.Create());
  EXPECT_EQ(next.m_hSocket, old_number) << "the system gave a new number; the check below shows less";
  next.Connect("127.0.0.1", port);
  pump(5000, [&] { return next.connects > 0; });
  pump(200, [] { return false; });
  EXPECT_EQ(next.connects, 1) << "a notification of the closed socket reached the new one";
  EXPECT_EQ(closed.connects, 0);

  // The end closes a socket whose connect is still pending, and ends WinSock once.
  closesocket(listener);
  ProbeSocket pending;
  ASSERT_TRUE(pending.Create());
  pending.Connect("127.0.0.1", port);
  AfxSocketTerm();
  EXPECT_EQ(pending.m_hSocket, INVALID_SOCKET);
  EXPECT_EQ(next.m_hSocket, INVALID_SOCKET);
  EXPECT_EQ(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP), INVALID_SOCKET);
  EXPECT_EQ(WSAGetLastError(), WSANOTINITIALISED) << "WinSock is still running after the end";
  pump(200, [] { return false; });
  EXPECT_EQ(pending.connects, 0);
}

}  // namespace
