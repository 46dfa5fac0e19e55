#!/usr/bin/env bash
# kyz424 with a sign that closes each connection a moment after it is made: the close
# notification arrives while "Socket 接続 OK" is still open and is handled inside it
# ("Socket 切断 OK" over it). Afterwards the program is not connected on every count:
# "接続" enabled and "切断" disabled, a "設定" of the sheet shows "Socket が接続されて
# いません" and sends nothing, and leaving is no longer refused.
source "$(dirname "$0")/../harness.sh"
RECEIVED="$OUT/received.bin"
signsim_on_tcp --close-on-connect --delay-ms 300 --raw-log "$RECEIVED"
windows_version winxp64
configure_mfc Interface=1 list_count=1 ip00_0=127 ip00_1=0 ip00_2=0 ip00_3=1 select_no=0 \
  port_no="$TCP_PORT"
start_mfc_and_drive <<'STEPS'
menu 32779
dialog "TCP/IPの設定"
click 1078
# Both boxes are open before either is answered (the driver sees the top one first).
sleep 1500
expect-box "Socket 切断 OK" "Success" none OK
expect-box "Socket 接続 OK" "Success" none OK
expect-no-box 0.5
expect-enabled 1078 1
expect-enabled 1077 0
click 1
expect-dialog-gone
menu 32771
dialog "File Name "
sheet-page "文字色の設定"
click 40025
expect-box "Socket が接続されていません" "Error" stop OK
dialog "File Name "
click 1
expect-dialog-gone
menu 57665
expect-exit 10 0
STEPS
grep -q "closed by the fault plan" "$OUT/signsim.log" || { echo "the sign did not close the connection"; exit 1; }
[ ! -s "$RECEIVED" ] || { echo "the sign received: $(tr '\r\n' '  ' <"$RECEIVED")"; exit 1; }
