// Steps on message boxes, dialogs and their controls, and the common file dialogs.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include "tests/e2e/driver/steps.h"

namespace gui_driver {
namespace {

HWND current_dialog(Context& c) {
  if (!c.dialog || !IsWindow(c.dialog)) fail("no dialog is open");
  return c.dialog;
}

HWND control(Context& c, const std::string& id) {
  HWND w = GetDlgItem(current_dialog(c), number(id));
  if (!w) fail("the dialog has no control " + id);
  return w;
}

int button_id(const std::string& name) {
  if (name == "OK") return IDOK;
  if (name == "Yes") return IDYES;
  if (name == "No") return IDNO;
  if (name == "Cancel") return IDCANCEL;
  fail("no button " + name);
}

std::string describe(const MessageBoxView& box) {
  return "box \"" + narrow(box.text) + "\" caption \"" + narrow(box.caption) + "\" icon " +
         box.icon;
}

void press(HWND window, int id) {
  PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

void wait_gone(HWND window, std::chrono::milliseconds timeout, const std::string& what) {
  if (!wait_for<bool>(timeout, [&]() -> std::optional<bool> {
        if (!IsWindow(window) || !IsWindowVisible(window)) return true;
        return std::nullopt;
      })) {
    fail(what + " did not close");
  }
}

// Waits for the next message box and checks it; fails on a different box.
Clock::time_point expect_box(const Context& c, const Words& w, std::size_t at,
                             std::chrono::milliseconds timeout) {
  const ProcessFilter ours = program_processes(c);
  const std::wstring text = widen(w[at]);
  const std::wstring caption = widen(w[at + 1]);
  const std::string icon = w[at + 2];
  const int button = button_id(w[at + 3]);
  auto box = wait_for<MessageBoxView>(timeout, [&]() -> std::optional<MessageBoxView> {
    auto boxes = open_message_boxes(ours);
    if (boxes.empty()) return std::nullopt;
    return boxes.front();
  });
  const Clock::time_point seen = Clock::now();
  if (!box) fail("no message box \"" + w[at] + "\" appeared");
  // The icon is drawn a moment after the box appears.
  Sleep(150);
  auto again = open_message_boxes(ours);
  for (const auto& b : again) {
    if (b.window == box->window) box = b;
  }
  if (box->text != text || box->caption != caption) {
    fail("expected box \"" + w[at] + "\" caption \"" + w[at + 1] + "\", got " +
         describe(*box));
  }
  const bool icon_matches =
      box->icon == icon || (icon == "question" && box->icon == "question-or-information");
  if (!icon_matches) fail("expected icon " + icon + ", got " + describe(*box));
  if (!GetDlgItem(box->window, button)) fail(describe(*box) + " has no button " + w[at + 3]);
  press(box->window, button);
  wait_gone(box->window, 5s, describe(*box));
  return seen;
}

void file_dialog(Context& c, const std::wstring& caption, const std::string* path) {
  const ProcessFilter ours = program_processes(c);
  const auto found = wait_for<HWND>(10s, [&]() -> std::optional<HWND> {
    if (HWND d = find_dialog(caption, ours)) return d;
    return std::nullopt;
  });
  if (!found) fail("no file dialog \"" + narrow(caption) + "\" appeared");
  HWND dialog = *found;
  Sleep(200);  // let the dialog finish filling its lists
  if (!path) {
    press(dialog, IDCANCEL);
  } else {
    const std::wstring name = widen(windows_path(*path));
    // The name field: a combo box (0x47C) in the Explorer-style dialog, an edit (0x480)
    // in the older one.
    bool set = false;
    for (int id : {0x47C, 0x480}) {
      if (HWND field = GetDlgItem(dialog, id)) {
        SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
        set = true;
        break;
      }
    }
    if (!set) fail("the file dialog has no name field");
    press(dialog, IDOK);
  }
  wait_gone(dialog, 10s, "file dialog \"" + narrow(caption) + "\"");
}

// The entries of a combo box (CB_GETCOUNT, CB_GETLBTEXT) or list box (LB_GETCOUNT,
// LB_GETTEXT), and the same as quoted text for a failure.
std::vector<std::string> box_entries(HWND box, UINT count_message, UINT text_message) {
  std::vector<std::string> entries;
  const auto count = SendMessageW(box, count_message, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    wchar_t entry[256] = {};
    SendMessageW(box, text_message, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(entry));
    entries.push_back(narrow(entry));
  }
  return entries;
}

std::string quoted(const std::vector<std::string>& entries) {
  std::string text;
  for (const auto& e : entries) text += " \"" + e + "\"";
  return text;
}

// The file dialog's name field and its filter list: the name starts empty, the filter
// list holds `filters` in order and shows the first.
void check_file_dialog(Context& c, const std::wstring& caption, const Words& filters) {
  const ProcessFilter ours = program_processes(c);
  const auto found = wait_for<HWND>(10s, [&]() -> std::optional<HWND> {
    if (HWND d = find_dialog(caption, ours)) return d;
    return std::nullopt;
  });
  if (!found) fail("no file dialog \"" + narrow(caption) + "\" appeared");
  Sleep(200);  // let the dialog finish filling its lists
  for (int id : {0x47C, 0x480}) {
    if (HWND field = GetDlgItem(*found, id)) {
      const std::string name = narrow(window_text(field));
      if (!name.empty()) fail("the name field starts with \"" + name + "\"");
      break;
    }
  }
  HWND list = GetDlgItem(*found, 0x470);  // the file type list
  if (!list) fail("the file dialog has no file type list");
  const std::vector<std::string> entries = box_entries(list, CB_GETCOUNT, CB_GETLBTEXT);
  if (entries != std::vector<std::string>(filters.begin(), filters.end())) {
    fail("the file types are" + quoted(entries));
  }
  if (SendMessageW(list, CB_GETCURSEL, 0, 0) != 0) fail("the first file type is not chosen");
}

// "KIND ID ROW": selects row ROW of the combo or list box ID with `select`, then tells the
// dialog as the control would on `notification` (a selection change, a double click).
// Selecting by message sends no notification of its own.
void choose_row(Context& c, const Words& w, UINT select, WORD notification) {
  need(w, 2);
  HWND box = control(c, w[1]);
  if (SendMessageW(box, select, static_cast<WPARAM>(number(w[2])), 0) == LB_ERR) {
    fail(w[0] + " " + w[1] + " has no entry " + w[2]);
  }
  SendMessageW(current_dialog(c), WM_COMMAND, MAKEWPARAM(number(w[1]), notification),
               reinterpret_cast<LPARAM>(box));
}

}  // namespace

void add_dialog_steps(StepTable& table) {
  table.insert({
      {"expect-box",
       [](Context& c, const Words& w) {
         need(w, 4);
         expect_box(c, w, 1, w.size() > 5 ? seconds(w[5]) : 10000ms);
       }},
      {"mark", [](Context& c, const Words&) { c.mark = Clock::now(); }},
      {"expect-box-between",
       [](Context& c, const Words& w) {
         need(w, 6);
         const auto low = seconds(w[1]), high = seconds(w[2]);
         const auto limit = high - std::chrono::duration_cast<std::chrono::milliseconds>(
                                       Clock::now() - c.mark) + 1000ms;
         const auto seen = expect_box(c, w, 3, std::max(limit, 100ms));
         const auto after =
             std::chrono::duration_cast<std::chrono::milliseconds>(seen - c.mark);
         std::printf("  box after %.3f s\n", after.count() / 1000.0);
         if (after < low || after > high) {
           fail("the box came after " + std::to_string(after.count()) + " ms");
         }
       }},
      {"expect-no-box",
       [](Context& c, const Words& w) {
         need(w, 1);
         const ProcessFilter ours = program_processes(c);
         auto box = wait_for<MessageBoxView>(seconds(w[1]), [&]() -> std::optional<MessageBoxView> {
           auto boxes = open_message_boxes(ours);
           if (boxes.empty()) return std::nullopt;
           return boxes.front();
         });
         if (box) fail("unexpected " + describe(*box));
       }},
      {"dialog",
       [](Context& c, const Words& w) {
         need(w, 1);
         const std::wstring caption = widen(w[1]);
         const ProcessFilter ours = program_processes(c);
         auto d = wait_for<HWND>(w.size() > 2 ? seconds(w[2]) : 10000ms,
                                 [&]() -> std::optional<HWND> {
                                   if (HWND h = find_dialog(caption, ours)) return h;
                                   return std::nullopt;
                                 });
         if (!d) fail("no dialog \"" + w[1] + "\" appeared");
         c.dialog = *d;
       }},
      {"expect-no-dialog",
       [](Context& c, const Words& w) {
         need(w, 2);
         const std::wstring caption = widen(w[1]);
         const ProcessFilter ours = program_processes(c);
         if (wait_for<HWND>(seconds(w[2]), [&]() -> std::optional<HWND> {
               if (HWND h = find_dialog(caption, ours)) return h;
               return std::nullopt;
             })) {
           fail("dialog \"" + w[1] + "\" opened");
         }
       }},
      {"expect-dialog-title",
       [](Context& c, const Words& w) {
         need(w, 1);
         const std::string title = narrow(window_text(current_dialog(c)));
         if (title != w[1]) fail("dialog title is \"" + title + "\"");
       }},
      {"combo",
       [](Context& c, const Words& w) { choose_row(c, w, CB_SETCURSEL, CBN_SELCHANGE); }},
      {"expect-combo",
       [](Context& c, const Words& w) {
         need(w, 2);
         const auto index = SendMessageW(control(c, w[1]), CB_GETCURSEL, 0, 0);
         if (index != number(w[2])) fail("combo " + w[1] + " shows entry " + std::to_string(index));
       }},
      {"expect-combo-text",
       [](Context& c, const Words& w) {
         need(w, 2);
         const std::string text = narrow(window_text(control(c, w[1])));
         if (text != w[2]) fail("combo " + w[1] + " shows \"" + text + "\"");
       }},
      {"expect-text",
       [](Context& c, const Words& w) {
         need(w, 2);
         const std::string text = narrow(window_text(control(c, w[1])));
         if (text != w[2]) fail("control " + w[1] + " shows \"" + text + "\"");
       }},
      // watch-text ID SECONDS TEXT...: within SECONDS control ID shows these texts one
      // after the other, the first one now, and nothing else in between.
      {"watch-text",
       [](Context& c, const Words& w) {
         need(w, 3);
         HWND target = control(c, w[1]);
         const Words expected(w.begin() + 3, w.end());
         Words seen{narrow(window_text(target))};
         const Clock::time_point end = Clock::now() + seconds(w[2]);
         while (seen.back() == expected[seen.size() - 1] && seen.size() < expected.size() &&
                Clock::now() < end) {
           Sleep(1);
           const std::string text = narrow(window_text(target));
           if (text != seen.back()) seen.push_back(text);
         }
         if (seen != expected) fail("control " + w[1] + " showed" + quoted(seen));
       }},
      // expect-no-child WORD: no control of the dialog, shown or hidden, is of window
      // class WORD or reads WORD.
      {"expect-no-child",
       [](Context& c, const Words& w) {
         need(w, 1);
         const std::wstring word = widen(w[1]);
         for (HWND child = GetWindow(current_dialog(c), GW_CHILD); child;
              child = GetWindow(child, GW_HWNDNEXT)) {
           wchar_t name[64] = {};
           GetClassNameW(child, name, 64);
           if (name == word || window_text(child) == word) fail("the dialog has a control " + w[1]);
         }
       }},
      {"click",
       [](Context& c, const Words& w) {
         need(w, 1);
         press(current_dialog(c), number(w[1]));
       }},
      {"record-first-byte",
       [](Context& c, const Words& w) {
         // Milliseconds from the press to the first new byte in FILE, polled every
         // millisecond; appended to RESULTS as one line.
         need(w, 3);
         HWND dialog = current_dialog(c);
         append_result(w[3], record_first_byte(w[2], [&] { press(dialog, number(w[1])); }));
       }},
      {"record-list-count",
       [](Context& c, const Words& w) {
         // Milliseconds from the last mark until list box ID holds N rows.
         need(w, 3);
         HWND list = control(c, w[1]);
         while (SendMessageW(list, LB_GETCOUNT, 0, 0) < number(w[2])) {
           if (Clock::now() - c.mark > 60s) fail("the list did not reach " + w[2] + " rows");
           Sleep(1);
         }
         append_result(w[3], Clock::now() - c.mark);
       }},
      {"type",
       [](Context& c, const Words& w) {
         need(w, 2);
         HWND edit = control(c, w[1]);
         const std::wstring text = widen(w[2]);
         SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
         SendMessageW(current_dialog(c), WM_COMMAND, MAKEWPARAM(number(w[1]), EN_CHANGE),
                      reinterpret_cast<LPARAM>(edit));
       }},
      // type-keys ID TEXT: TEXT typed into edit box ID one character at a time, so that
      // the box's own limits apply.
      {"type-keys",
       [](Context& c, const Words& w) {
         need(w, 2);
         HWND edit = control(c, w[1]);
         for (wchar_t ch : widen(w[2])) SendMessageW(edit, WM_CHAR, ch, 1);
       }},
      {"expect-enabled",
       [](Context& c, const Words& w) {
         need(w, 2);
         // The program may switch the control a moment after the step before (a box
         // closed, a notification handled): wait for the state for a few seconds.
         HWND target = control(c, w[1]);
         const bool wanted = number(w[2]) != 0;
         const auto reached = wait_for<bool>(5s, [&]() -> std::optional<bool> {
           if ((IsWindowEnabled(target) != FALSE) == wanted) return true;
           return std::nullopt;
         });
         if (!reached) {
           fail("control " + w[1] + (wanted ? " is disabled" : " is enabled"));
         }
       }},
      // ip-address ID A.B.C.D: the address typed into IPv4 address control ID.
      {"ip-address",
       [](Context& c, const Words& w) {
         need(w, 2);
         unsigned a = 0, b = 0, d = 0, e = 0;
         if (std::sscanf(w[2].c_str(), "%u.%u.%u.%u", &a, &b, &d, &e) != 4) {
           fail("no address " + w[2]);
         }
         // Posted, so that it keeps its place after the clicks posted before it.
         PostMessageW(control(c, w[1]), IPM_SETADDRESS, 0, MAKEIPADDRESS(a, b, d, e));
       }},
      {"list-select",
       [](Context& c, const Words& w) { choose_row(c, w, LB_SETCURSEL, LBN_SELCHANGE); }},
      {"list-double-click",
       [](Context& c, const Words& w) { choose_row(c, w, LB_SETCURSEL, LBN_DBLCLK); }},
      // expect-list ID ROW...: list box ID holds exactly these rows, within 10 s.
      {"expect-list",
       [](Context& c, const Words& w) {
         need(w, 1);
         HWND list = control(c, w[1]);
         const std::vector<std::string> expected(w.begin() + 2, w.end());
         if (wait_for<bool>(10s, [&]() -> std::optional<bool> {
               if (box_entries(list, LB_GETCOUNT, LB_GETTEXT) == expected) return true;
               return std::nullopt;
             })) {
           return;
         }
         fail("list " + w[1] + " holds" + quoted(box_entries(list, LB_GETCOUNT, LB_GETTEXT)));
       }},
      {"toggle",
       [](Context& c, const Words& w) {
         SendMessageW(control(c, need(w, 1)[1]), BM_CLICK, 0, 0);
       }},
      // The dialog moves the focus itself, so the control gets its real focus notification.
      {"focus",
       [](Context& c, const Words& w) {
         SendMessageW(current_dialog(c), WM_NEXTDLGCTL,
                      reinterpret_cast<WPARAM>(control(c, need(w, 1)[1])), TRUE);
       }},
      {"expect-dialog-gone",
       [](Context& c, const Words& w) {
         // A key posted to the dialog may have closed it before this step runs.
         if (!c.dialog) fail("no dialog is open");
         wait_gone(c.dialog, w.size() > 1 ? seconds(w[1]) : 5000ms, "the dialog");
         c.dialog = nullptr;
       }},
      // The page whose caption (its tab's text) is CAPTION: the sheet shows the pages in
      // turn until it comes up.
      {"sheet-page",
       [](Context& c, const Words& w) {
         need(w, 1);
         // The sheet is the dialog chosen last, or the sheet of the page chosen last.
         HWND sheet = current_dialog(c);
         if (GetWindowLongPtrW(sheet, GWL_STYLE) & WS_CHILD) sheet = GetParent(sheet);
         HWND tabs = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETTABCONTROL, 0, 0));
         const auto count = SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0);
         for (LRESULT i = 0; i < count; ++i) {
           SendMessageW(sheet, PSM_SETCURSEL, static_cast<WPARAM>(i), 0);
           HWND page = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
           if (page && narrow(window_text(page)) == w[1]) {
             c.dialog = page;
             return;
           }
         }
         fail("the sheet has no page \"" + w[1] + "\"");
       }},
      // Optional CAPTION: the dialog's caption when the program leaves it to the system.
      {"save-dialog",
       [](Context& c, const Words& w) {
         file_dialog(c, w.size() > 2 ? widen(w[2]) : L"ファイルの保存", &need(w, 1)[1]);
       }},
      {"open-dialog",
       [](Context& c, const Words& w) {
         file_dialog(c, w.size() > 2 ? widen(w[2]) : L"ファイルのオープン", &need(w, 1)[1]);
       }},
      {"expect-save-dialog",
       [](Context& c, const Words& w) {
         check_file_dialog(c, L"ファイルの保存", Words(w.begin() + 1, w.end()));
       }},
      {"expect-open-dialog",
       [](Context& c, const Words& w) {
         check_file_dialog(c, L"ファイルのオープン", Words(w.begin() + 1, w.end()));
       }},
      {"cancel-save-dialog",
       [](Context& c, const Words&) { file_dialog(c, L"ファイルの保存", nullptr); }},
      {"cancel-open-dialog",
       [](Context& c, const Words&) { file_dialog(c, L"ファイルのオープン", nullptr); }},
  });
}

}  // namespace gui_driver
