#!/usr/bin/env bash
# kyz424 left while its connect is still pending: the sign's adapter never answers the
# connect, so "接続" shows no box and the buttons stay as they were; leaving is allowed
# (the link is not connected) and the program ends with status 0, without a crash, its
# socket closed before WinSock and its windows before their objects.
source "$(dirname "$0")/../harness.sh"
signsim_on_tcp --hold-connects
windows_version winxp64
configure_mfc Interface=1 list_count=1 ip00_0=127 ip00_1=0 ip00_2=0 ip00_3=1 select_no=0 \
  port_no="$TCP_PORT"
start_mfc_and_drive <<'STEPS'
menu 32779
dialog "TCP/IPの設定"
click 1078
expect-no-box 1.5
expect-enabled 1078 1
expect-enabled 1077 0
click 1
expect-dialog-gone
menu 57665
expect-exit 10 0
STEPS
grep -q "holding every connect pending" "$OUT/signsim.log" || { echo "the adapter did not hold the connect"; exit 1; }
