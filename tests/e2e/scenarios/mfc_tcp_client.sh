#!/usr/bin/env bash
# kyz424 on a Windows of major version 5 (winxp64) over TCP/IP: "TCP/IPの設定" opens,
# shows the host list and the port; a host added shows as its row, deleting the first
# row writes "list_count" and the position deleted as "select_no", a double click
# chooses a host; a refused connect shows "Socket 接続"; it connects to the sign
# ("Socket 接続 OK") and switches its buttons; with
# the sheet's "文字色の設定" page shown, its "設定" goes to the sign byte for byte and
# the answer taken from the socket's receive notification is reported as "Socket ＯＫ";
# leaving is refused while connected; "切断" reports "Socket 切断 OK" and OK writes
# "port_no".
source "$(dirname "$0")/../harness.sh"
RECEIVED="$OUT/received.bin"
signsim_on_tcp --raw-log "$RECEIVED"
windows_version winxp64
configure_mfc Interface=1 list_count=2 ip00_0=10 ip00_1=0 ip00_2=0 ip00_3=5 \
  ip01_0=127 ip01_1=0 ip01_2=0 ip01_3=1 select_no=1 port_no=1
export TCP_PORT
start_mfc_and_drive <<'STEPS'
expect-window-height 206
menu 32779
dialog "TCP/IPの設定"
save-screen ${OUT}/tcp_ip_dialog.bmp
ip-address 1072 127.0.0.1
click 1075
expect-list 1073 "010 .000 .000 .005" "127 .000 .000 .001" "127 .000 .000 .001"
list-select 1073 0
click 1076
expect-list 1073 "127 .000 .000 .001" "127 .000 .000 .001"
list-double-click 1073 1
# Port 1 of 127.0.0.1 refuses: reported, and the next "接続" starts afresh.
click 1078
expect-box "Socket 接続" "Error" stop OK
expect-enabled 1078 1
type 1074 ${TCP_PORT}
expect-enabled 1077 0
click 1078
expect-box "Socket 接続 OK" "Success" none OK
expect-enabled 1078 0
expect-enabled 1077 1
menu 32771
dialog "File Name "
sheet-page "文字色の設定"
# Page 2's character colour "緑".
combo 40067 2
expect-combo-text 40067 "緑"
click 40025
expect-received-exactly ${RECEIVED} "PTIC7020707070707070707070707070707070707070707070707070707070707070\r\n"
expect-box "Socket ＯＫ" "Success" none OK
dialog "File Name "
click 1
expect-dialog-gone
menu 57665
expect-box "TCP/IPを切断してください。" "Error" exclamation OK
expect-running
menu 32779
dialog "TCP/IPの設定"
click 1077
expect-box "Socket 切断 OK" "Success" none OK
click 1
expect-dialog-gone
menu 57665
expect-box "データを保存せずに終了しますか？" "KYZ424" question Yes
expect-exit 10 0
STEPS
convert "$OUT/tcp_ip_dialog.bmp" "$OUT/tcp_ip_dialog.png" && rm "$OUT/tcp_ip_dialog.bmp"
tr -d '\r' <"$MFC_INI" >"$OUT/KYZ424.INI"
for key in "port_no=$TCP_PORT" list_count=2 select_no=1 ip00_0=127 ip01_0=127 ip01_3=1; do
  grep -qx "$key" "$OUT/KYZ424.INI" || { echo "KYZ424.INI lacks $key"; exit 1; }
done
