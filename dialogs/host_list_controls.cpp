#include "dialogs/host_list_controls.h"

#include <commctrl.h>

#include <string>

#include "core/links/tcp_destination.h"
#include "core/ui/message_boxes.h"
#include "core/ui/win32/text_encoding.h"

namespace kyz {

void show_host(HWND dialog, const HostListIds& ids, const HostAddress& host) {
  SendDlgItemMessageW(dialog, ids.address, IPM_SETADDRESS, 0,
                      static_cast<LPARAM>(MAKEIPADDRESS(host[0], host[1], host[2], host[3])));
}

void append_host_row(HWND dialog, const HostListIds& ids, const HostAddress& host) {
  const std::wstring row = utf8_to_wide(host_list_row(host));
  SendDlgItemMessageW(dialog, ids.list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
}

bool add_shown_host(HWND dialog, const HostListIds& ids) {
  DWORD packed = 0;
  SendDlgItemMessageW(dialog, ids.address, IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&packed));
  const HostAddress host{static_cast<std::uint8_t>(FIRST_IPADDRESS(packed)),
                         static_cast<std::uint8_t>(SECOND_IPADDRESS(packed)),
                         static_cast<std::uint8_t>(THIRD_IPADDRESS(packed)),
                         static_cast<std::uint8_t>(FOURTH_IPADDRESS(packed))};
  const HostListEdit edit = add_host(host);
  if (edit == HostListEdit::refused) {
    warning_box("ホストリストは256件までです。これ以上追加できません。");
    return false;
  }
  append_host_row(dialog, ids, host);
  if (edit == HostListEdit::not_saved) report_configuration_not_saved();
  return true;
}

}  // namespace kyz
