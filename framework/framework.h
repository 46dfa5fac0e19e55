// A small MFC-style layer over Win32 for kyz424: application, frame window, document,
// view, single-document template, dialog, property sheet and page, asynchronous socket.
//
// Each class is a thin wrapper around one Win32 object. A static procedure stub finds
// the C++ object behind a window handle and forwards each message to one virtual
// handler; a class overrides only the handlers it needs. Only what kyz424 uses is here.
//
// Lifetimes: an object is joined to its window from the window's first message of ours
// (WM_NCCREATE, WM_INITDIALOG) until its last (WM_NCDESTROY), and an object that dies
// first leaves its window behind it, so no window ever reaches a freed object. When the
// message loop has ended, the framework closes every socket and ends WinSock, then
// destroys the frame's window and the frame, view and document objects, in that order,
// before the program returns.
#pragma once

#include <winsock.h>
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CDocument;
class CFrameWnd;
class CView;
class CSingleDocTemplate;

// ---- Windows ---------------------------------------------------------------------

// The part every window and dialog shares: its handle and a few control helpers.
class CWnd {
 public:
  CWnd() = default;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;
  // An object that goes before its window leaves the window unable to find it.
  virtual ~CWnd() { Detach(); }
  // The window, from its first message of ours to its WM_NCDESTROY; else nullptr.
  HWND m_hWnd = nullptr;

  // The object of ours joined to `window`; nullptr when there is none (a window of
  // another kind, one not yet joined, or one whose object has gone).
  static CWnd* FromHandlePermanent(HWND window);

  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
  LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wparam = 0, LPARAM lparam = 0) const {
    return ::SendDlgItemMessageW(m_hWnd, id, message, wparam, lparam);
  }
  void SetDlgItemText(int id, const std::wstring& text) const {
    ::SetDlgItemTextW(m_hWnd, id, text.c_str());
  }
  std::wstring GetDlgItemText(int id) const;
  void EnableDlgItem(int id, bool enable) const { ::EnableWindow(GetDlgItem(id), enable); }

 protected:
  // Joins this object and `window`: the only way from a window to its object.
  void Attach(HWND window);
  // Parts them again; m_hWnd becomes nullptr. The stubs call it after WM_NCDESTROY.
  void Detach();
};

// A window with its own window class; the class is registered at the first Create.
// The object owns its window: an object that goes first destroys it.
class CWindow : public CWnd {
 public:
  ~CWindow() override;

 protected:
  // Creates the window from `cs`; cs.lpszClass names the class, registered with `icon`.
  bool CreateFromStruct(CREATESTRUCTW& cs, HICON icon = nullptr);

  static LRESULT CALLBACK WndProcStub(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  // One line per message; anything not listed goes to DefWindowProcW.
  virtual LRESULT WindowProc(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Default(UINT message, WPARAM wparam, LPARAM lparam) {
    return ::DefWindowProcW(m_hWnd, message, wparam, lparam);
  }

  virtual void OnPaint() { Default(WM_PAINT, 0, 0); }
  virtual void OnTimer(UINT_PTR) {}
  // True when the command was handled.
  virtual bool OnCommand(UINT) { return false; }
  virtual void OnClose() { ::DestroyWindow(m_hWnd); }
  virtual void OnDestroy() {}
  virtual void OnSize(int, int) {}
  virtual void OnInitMenu(HMENU) {}
  virtual void OnInitMenuPopup(HMENU) {}
  // Screen point as the message carries it (signed 16-bit coordinates). False passes
  // the request on (a child's goes to its parent).
  virtual bool OnContextMenu(HWND, POINT) { return false; }
};

// The main window: menu and title from resources, one view filling its client area.
class CFrameWnd : public CWindow {
 public:
  // Loads menu `resource_id`, takes the title from the first part of string
  // `resource_id` ("title\n..."), lets PreCreateWindow adjust, creates the window.
  bool LoadFrame(UINT resource_id);
  void SetActiveView(CView* view) { m_pActiveView = view; }
  CView* GetActiveView() const { return m_pActiveView; }

 protected:
  // Adjust position, size, style and class before creation.
  virtual void PreCreateWindow(CREATESTRUCTW&) {}
  // The command-update step before a menu shows: 1 enabled, 0 greyed, -1 as it is.
  virtual int CommandState(UINT) { return -1; }

  LRESULT WindowProc(UINT message, WPARAM wparam, LPARAM lparam) override;
  void OnInitMenuPopup(HMENU menu) override;
  void OnSize(int width, int height) override;
  void OnDestroy() override { ::PostQuitMessage(0); }

  CView* m_pActiveView = nullptr;
};

// A child window over the frame's client area that paints the document.
class CView : public CWindow {
 public:
  bool Create(CFrameWnd* frame);
  CDocument* GetDocument() const { return m_pDocument; }
  CDocument* m_pDocument = nullptr;
  // The frame offers each command to its view first.
  bool RouteCommand(UINT id) { return OnCommand(id); }

 protected:
  virtual void OnDraw(HDC) {}
  void OnPaint() override;
  CFrameWnd* m_pFrame = nullptr;
};

// ---- Application, document and template -------------------------------------------

class CDocument {
 public:
  virtual ~CDocument() = default;
  virtual bool OnNewDocument() { return true; }
};

// One document, one frame, one view, made by factories and owned here.
class CSingleDocTemplate {
 public:
  using DocumentFactory = std::function<std::unique_ptr<CDocument>()>;
  using FrameFactory = std::function<std::unique_ptr<CFrameWnd>()>;
  using ViewFactory = std::function<std::unique_ptr<CView>()>;

  CSingleDocTemplate(UINT resource_id, DocumentFactory document, FrameFactory frame,
                     ViewFactory view)
      : resource_id_(resource_id), make_document_(std::move(document)),
        make_frame_(std::move(frame)), make_view_(std::move(view)) {}

  template <class Document, class Frame, class View>
  static std::unique_ptr<CSingleDocTemplate> Make(UINT resource_id) {
    return std::make_unique<CSingleDocTemplate>(
        resource_id, [] { return std::make_unique<Document>(); },
        [] { return std::make_unique<Frame>(); }, [] { return std::make_unique<View>(); });
  }

  ~CSingleDocTemplate() { CloseAll(); }
  // A new document: the first call also creates the frame and its view.
  CDocument* OpenNewDocument();
  CFrameWnd* frame() const { return frame_.get(); }
  // Destroys the frame's window (its view's with it) while every object is still
  // there to see its last messages, then the view, the frame and the document.
  void CloseAll();

 private:
  UINT resource_id_;
  DocumentFactory make_document_;
  FrameFactory make_frame_;
  ViewFactory make_view_;
  std::unique_ptr<CDocument> document_;
  std::unique_ptr<CFrameWnd> frame_;
  std::unique_ptr<CView> view_;
};

// The one application object. The framework's wWinMain calls InitInstance, then Run
// while it succeeded, then ExitInstance.
class CWinApp {
 public:
  explicit CWinApp(const wchar_t* name);
  virtual ~CWinApp() = default;
  virtual bool InitInstance() { return true; }
  virtual int Run();
  virtual int ExitInstance() { return 0; }

  void AddDocTemplate(std::unique_ptr<CSingleDocTemplate> doc_template) {
    template_ = std::move(doc_template);
  }
  // "New" of the framework: a new document through the template.
  void OnFileNew();
  // The template's windows and objects, destroyed in order (CSingleDocTemplate::CloseAll).
  void CloseAllDocuments();

  const wchar_t* m_pszAppName;
  HINSTANCE m_hInstance = nullptr;
  CFrameWnd* m_pMainWnd = nullptr;

 private:
  std::unique_ptr<CSingleDocTemplate> template_;
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
// The framework's end once the application has ended: every socket closed and WinSock
// ended, then the frame, view and document destroyed. The program entry calls it.
void AfxWinTerm();
// A string resource of the program, empty when there is none.
std::wstring AfxLoadString(UINT id);

// ---- Dialogs ----------------------------------------------------------------------

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT template_id, CWnd* parent = nullptr)
      : m_template(template_id), m_pParent(parent) {}
  // Runs the dialog modally; the result is what EndDialog was given.
  virtual INT_PTR DoModal();
  void EndDialog(INT_PTR result) { ::EndDialog(m_hWnd, result); }

 protected:
  static INT_PTR CALLBACK DlgProcStub(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
  // One line per message; returns what the dialog procedure returns.
  virtual INT_PTR DialogProc(UINT message, WPARAM wparam, LPARAM lparam);

  virtual BOOL OnInitDialog() { return TRUE; }
  // WM_COMMAND: IDOK and IDCANCEL go to OnOK and OnCancel; true when handled.
  virtual bool OnCommand(UINT id, UINT notification);
  virtual void OnOK() { EndDialog(IDOK); }
  virtual void OnCancel() { EndDialog(IDCANCEL); }
  virtual void OnTimer(UINT_PTR) {}
  // WM_NOTIFY; the result goes back through DWLP_MSGRESULT.
  virtual bool OnNotify(NMHDR*, LRESULT&) { return false; }
  // Any other message; true when handled.
  virtual bool OnOtherMessage(UINT, WPARAM, LPARAM) { return false; }

  UINT m_template;
  CWnd* m_pParent;
};

class CPropertySheet;

// A page of a property sheet: a child dialog the sheet creates when it is first shown.
class CPropertyPage : public CDialog {
 public:
  explicit CPropertyPage(UINT template_id) : CDialog(template_id) {}
  PROPSHEETPAGEW& Describe();

 protected:
  static INT_PTR CALLBACK PageProcStub(HWND page, UINT message, WPARAM wparam, LPARAM lparam);
  // Each time the page becomes the one shown.
  virtual void OnSetActive() {}
  bool OnNotify(NMHDR* header, LRESULT& result) override;
  // A page has no buttons of its own to end it.
  void OnOK() override {}
  void OnCancel() override {}

 private:
  friend class CPropertySheet;
  PROPSHEETPAGEW psp_{};
  // The sheet the page was added to; the first page created tells it its window.
  CPropertySheet* sheet_ = nullptr;
};

// A modal property sheet of the pages added to it, in the order added; it owns them.
// The sheet's window is the common controls' own: m_hWnd holds it while DoModal runs,
// from the moment the first page is created (the sheet's buttons are in place by then,
// the sheet not yet shown).
class CPropertySheet : public CWnd {
 public:
  // The caption is string `caption_id` until SetTitle replaces it.
  CPropertySheet(UINT caption_id, CWnd* parent);
  void AddPage(std::unique_ptr<CPropertyPage> page);
  void SetTitle(const std::wstring& title) { title_ = title; }
  const std::wstring& GetTitle() const { return title_; }
  virtual INT_PTR DoModal();

 protected:
  // After the sheet window exists, before it shows.
  virtual void OnInitSheet() {}
  DWORD m_dwFlags = PSH_PROPSHEETPAGE;

 private:
  friend class CPropertyPage;
  // The first page's WM_INITDIALOG: the sheet's window is `sheet`.
  void SheetCreated(HWND sheet);
  std::vector<std::unique_ptr<CPropertyPage>> pages_;
  std::wstring title_;
  CWnd* parent_;
};

// ---- Asynchronous socket ---------------------------------------------------------

// Starts WinSock 1.1 for the process, once however often it is called; false when it
// cannot.
bool AfxSocketInit();
// Closes every socket still open, then ends WinSock if AfxSocketInit started it.
// AfxWinTerm calls it; afterwards no notification reaches a socket object.
void AfxSocketTerm();

// A socket whose network events arrive as virtual calls on the user-interface thread.
//
// Each socket has a notification message of its own, given when it is created. A
// socket leaves the framework's table before its handle is closed, and a notification
// is delivered only when both its handle and its message are those of a socket in the
// table: one that was queued for a closed socket never reaches a new socket that the
// system gave the same handle number.
class CAsyncSocket {
 public:
  CAsyncSocket() = default;
  CAsyncSocket(const CAsyncSocket&) = delete;
  CAsyncSocket& operator=(const CAsyncSocket&) = delete;
  static constexpr long all_events =
      FD_READ | FD_WRITE | FD_OOB | FD_ACCEPT | FD_CONNECT | FD_CLOSE;  // 63

  virtual ~CAsyncSocket();
  // A stream socket on local port `port` (0: any), reporting `events`.
  bool Create(UINT port = 0, long events = all_events);
  // Starts a connection to the dotted address; false with WSAEWOULDBLOCK while pending.
  bool Connect(const std::string& address, UINT port);
  int Send(const void* data, int length) { return ::send(m_hSocket, static_cast<const char*>(data), length, 0); }
  int Receive(void* data, int length) { return ::recv(m_hSocket, static_cast<char*>(data), length, 0); }
  void Close();
  SOCKET m_hSocket = INVALID_SOCKET;

  // Dispatches notification `message` of the framework's socket window.
  static void Dispatch(UINT message, SOCKET socket, LPARAM event_word);

 protected:
  virtual void OnReceive(int) {}
  virtual void OnSend(int) {}
  virtual void OnOutOfBandData(int) {}
  virtual void OnAccept(int) {}
  virtual void OnConnect(int) {}
  virtual void OnClose(int) {}
};
