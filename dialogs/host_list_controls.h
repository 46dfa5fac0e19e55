// The host list of both programs' TCP/IP client dialogs: the IPv4 address control and
// the list of rows, each dialog with its own control ids.
#pragma once

#include <windows.h>

#include "core/settings/configuration.h"

namespace kyz {

struct HostListIds {
  int address;  // the IPv4 address control
  int list;     // the list box of host rows
};

// Shows `host` in the address control.
void show_host(HWND dialog, const HostListIds& ids, const HostAddress& host);
// Appends `host`'s row to the list.
void append_host_row(HWND dialog, const HostListIds& ids, const HostAddress& host);
// "追加": the address shown becomes the last host, written to the configuration and
// appended as a row; a full list (256) takes no more and says so. False when refused.
bool add_shown_host(HWND dialog, const HostListIds& ids);

}  // namespace kyz
