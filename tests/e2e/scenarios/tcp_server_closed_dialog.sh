#!/usr/bin/env bash
# The server keeps listening with its dialog closed: an adapter that connects meanwhile is
# listed when the dialog reopens, can be chosen, and its "設定" is answered; when it
# leaves, again with the dialog closed, the reopened dialog lists no adapter.
source "$(dirname "$0")/../harness.sh"
free_tcp_port
export TCP_PORT
configure Interface=1 ClientServer=1 port_number="$TCP_PORT"
start_and_drive <<'STEPS'
menu 40008
dialog "TCP/IPの設定（Server）"
click 1
expect-enabled 1000 1
click 2
expect-dialog-gone
STEPS
signsim_adapters 1 --close-after 1
drive <<'STEPS'
wait-main-window
expect-received ${OUT}/adapters.log "connected to"
menu 40008
dialog "TCP/IPの設定（Server）"
expect-list 1002 127.0.0.1
list-double-click 1002 0
expect-text 1003 127.0.0.1
click 2
expect-dialog-gone
menu 40017
dialog "時計＆日付けの設定 127.0.0.1"
click 40146
expect-box "Socket ＯＫ" "Success" none OK
click 2
expect-dialog-gone
expect-received ${OUT}/adapters.log "closed"
menu 40008
dialog "TCP/IPの設定（Server）"
expect-list 1002
expect-enabled 1000 0
click 2
expect-dialog-gone
STEPS
grep -q "adapter1 rx TSA" "$OUT/adapters.log" || { echo "the adapter got no setting"; exit 1; }
