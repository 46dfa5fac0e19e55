#!/usr/bin/env bash
# The TCP/IP server dialog: "接続" listens on the port in the box; three signsim adapters
# connect and are listed; the second, chosen by a double click, is shown as destination
# and named in the title of the settings dialogs opened afterwards, and only it gets the
# setting; "切断" empties the dialog and stops the server.
# The dialog is kept as out/tcp_server_dialog/tcp_server_dialog.png.
source "$(dirname "$0")/../harness.sh"
free_tcp_port
export TCP_PORT
configure Interface=1 ClientServer=1 port_number=1
signsim_adapters 3
start_and_drive <<'STEPS'
menu 40008
dialog "TCP/IPの設定（Server）"
type 1004 ${TCP_PORT}
click 1
expect-list 1002 127.0.0.1 127.0.0.1 127.0.0.1
expect-enabled 1 0
expect-enabled 1004 0
list-double-click 1002 1
expect-text 1003 127.0.0.1
STEPS
import -window root "$OUT/tcp_server_dialog.png"
drive <<'STEPS'
wait-main-window
dialog "TCP/IPの設定（Server）"
click 2
expect-dialog-gone
menu 40011
dialog "スクロール・スピードの設定 127.0.0.1"
click 40025
expect-box "Socket ＯＫ" "Success" none OK
click 2
expect-dialog-gone
menu 40014
dialog "表示位置の設定 127.0.0.1"
click 2
expect-dialog-gone
# Reopened, the dialog shows the table as it is; "切断" empties it.
menu 40008
dialog "TCP/IPの設定（Server）"
expect-list 1002 127.0.0.1 127.0.0.1 127.0.0.1
expect-text 1004 ${TCP_PORT}
click 1000
expect-list 1002
expect-text 1003 "                "
expect-enabled 1 1
expect-enabled 1000 0
# The stopped server may be started on another port.
expect-enabled 1004 1
click 2
expect-dialog-gone
STEPS
fails=0
grep -q "adapter2 rx PTSS" "$OUT/adapters.log" || { echo "adapter 2 got no setting"; fails=1; }
if grep -Eq "adapter[13] rx" "$OUT/adapters.log"; then echo "another adapter got the setting"; fails=1; fi
grep -qx "port_number=$TCP_PORT" <(tr -d '\r' <"$INI") || { echo "the port was not written"; fails=1; }
# Nothing listens any more.
if (exec 3<>"/dev/tcp/127.0.0.1/$TCP_PORT") 2>/dev/null; then echo "still listening"; fails=1; fi
[ "$fails" -eq 0 ]
