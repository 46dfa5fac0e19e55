// The framework's hidden state, where a fault would show: a window never reaches an
// object that has gone, and an ended dialog keeps no handle; the view's and frame's
// windows go before their objects, in order; WinSock is started once and ended by the
// framework's end, which closes a socket still connecting; a notification queued for a
// closed socket never reaches the next socket, which the system gives the same number.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/framework.h"

namespace {

class TestApp final : public CWinApp {
 public:
  TestApp() : CWinApp(L"framework test") { m_hInstance = GetModuleHandleW(nullptr); }
} app;

std::vector<std::string> events;

// Handles waiting messages until `done` holds or `ms` have passed.
template <typename Done>
void pump(DWORD ms, Done done) {
  for (const DWORD start = GetTickCount(); !done() && GetTickCount() - start < ms; Sleep(5)) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
}

// A window that counts WM_APP and tells when its window or itself goes.
template <typename Base>
class Probe : public Base {
 public:
  explicit Probe(std::string name = "") : name_(std::move(name)) {}
  ~Probe() override { events.push_back(name_ + " object" + (this->m_hWnd ? " before its window" : "")); }
  bool Create() {
    CREATESTRUCTW cs{};
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpszClass = L"KYZ Test Probe";
    return this->CreateFromStruct(cs);
  }
  int calls = 0;

 protected:
  void PreCreateWindow(CREATESTRUCTW& cs) { cs.lpszClass = L"KYZ Test Frame"; }
  LRESULT WindowProc(UINT message, WPARAM wparam, LPARAM lparam) override {
    if (message == WM_APP) ++calls;
    if (message == WM_NCDESTROY) events.push_back(name_ + " window");
    return Base::WindowProc(message, wparam, lparam);
  }

 private:
  std::string name_;
};

class ProbeDialog final : public CDialog {
 public:
  ProbeDialog() : CDialog(1) {}  // framework_probe.rc
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

TEST(Framework, AWindowAndItsObjectFindEachOtherOnlyWhileBothExist) {
  Probe<CWindow> lasting;
  ASSERT_TRUE(lasting.Create());
  const HWND window = lasting.m_hWnd;
  EXPECT_EQ(CWnd::FromHandlePermanent(window), &lasting);
  DestroyWindow(window);
  EXPECT_EQ(lasting.m_hWnd, nullptr) << "the object still names its destroyed window";

  // An object that goes first takes its window along: nothing is left to call it.
  auto early = std::make_unique<Probe<CWindow>>();
  ASSERT_TRUE(early->Create());
  const HWND orphan = early->m_hWnd;
  early.reset();
  EXPECT_FALSE(IsWindow(orphan)) << "a window outlives its object";

  ProbeDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_TRUE(dialog.found_itself);
  EXPECT_EQ(dialog.m_hWnd, nullptr) << "an ended dialog keeps its old handle";
  EXPECT_EQ(CWnd::FromHandlePermanent(dialog.seen), nullptr);
}

class ProbeDocument final : public CDocument {
 public:
  ~ProbeDocument() override { events.push_back("document object"); }
};

TEST(Framework, TheEndDestroysTheWindowsFirstThenViewFrameAndDocument) {
  events.clear();
  app.AddDocTemplate(std::make_unique<CSingleDocTemplate>(
      0, [] { return std::make_unique<ProbeDocument>(); },
      [] { return std::make_unique<Probe<CFrameWnd>>("frame"); },
      [] { return std::make_unique<Probe<CView>>("view"); }));
  app.OnFileNew();
  ASSERT_NE(app.m_pMainWnd, nullptr);
  const HWND frame = app.m_pMainWnd->m_hWnd;
  AfxWinTerm();
  EXPECT_FALSE(IsWindow(frame));
  EXPECT_EQ(app.m_pMainWnd, nullptr);
  const std::vector<std::string> expected{"view window", "frame window", "view object",
                                          "frame object", "document object"};
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

TEST(Framework, StaleSocketNotificationsAreDroppedAndTheEndClosesAndCleansUp) {
  ASSERT_TRUE(AfxSocketInit());
  ASSERT_TRUE(AfxSocketInit());  // no second WinSock start
  const SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = inet_addr("127.0.0.1");
  int length = sizeof address;
  ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(listen(listener, 4), 0);
  getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
  const UINT port = ntohs(address.sin_port);

  ProbeSocket closed;
  ASSERT_TRUE(closed.Create());
  const SOCKET old_number = closed.m_hSocket;
  closed.Connect("127.0.0.1", port);
  MSG queued;
  for (int i = 0; i < 1000 && !PeekMessageW(&queued, nullptr, WM_USER + 1, 0x7FFF, PM_NOREMOVE); ++i) Sleep(5);
  closed.Close();  // its connect notification is still queued
  ProbeSocket next;
  ASSERT_TRUE(next.Create());
  EXPECT_EQ(next.m_hSocket, old_number) << "a new number: the check below shows less";
  next.Connect("127.0.0.1", port);
  pump(5000, [&] { return next.connects > 0; });
  pump(200, [] { return false; });
  EXPECT_EQ(next.connects, 1) << "the closed socket's notification reached the new one";

  closesocket(listener);
  ProbeSocket pending;
  ASSERT_TRUE(pending.Create());
  pending.Connect("127.0.0.1", port);
  AfxSocketTerm();
  EXPECT_EQ(pending.m_hSocket, INVALID_SOCKET);
  EXPECT_EQ(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP), INVALID_SOCKET);
  EXPECT_EQ(WSAGetLastError(), WSANOTINITIALISED) << "WinSock still runs after the end";
}

}  // namespace
