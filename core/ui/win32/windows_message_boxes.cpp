#include "core/ui/win32/windows_message_boxes.h"

#include <windows.h>

#include "core/ui/win32/text_encoding.h"

namespace kyz {

BoxAnswer WindowsMessageBoxes::show(BoxKind kind, std::string_view text,
                                    std::string_view caption, void* owner) {
  UINT style = MB_TASKMODAL;
  bool beep = false;
  switch (kind) {
    case BoxKind::success: style |= MB_OK; beep = true; break;
    case BoxKind::error: style |= MB_OK | MB_ICONSTOP; beep = true; break;
    case BoxKind::warning: style |= MB_OK | MB_ICONEXCLAMATION; beep = true; break;
    case BoxKind::question: style |= MB_YESNO | MB_ICONQUESTION; break;
    case BoxKind::plain: style |= MB_OK; break;
    case BoxKind::plain_stop: style |= MB_OK | MB_ICONSTOP; break;
    case BoxKind::owned: style |= MB_OK; break;
  }
  if (beep) MessageBeep(MB_ICONQUESTION);
  if (kind == BoxKind::owned) MessageBeep(0xFFFFFFFF);  // the simple beep
  const int answer = MessageBoxW(static_cast<HWND>(owner), utf8_to_wide(text).c_str(),
                                 utf8_to_wide(caption).c_str(), style);
  if (kind != BoxKind::question) return BoxAnswer::ok;
  return answer == IDYES ? BoxAnswer::yes : BoxAnswer::no;
}

}  // namespace kyz
