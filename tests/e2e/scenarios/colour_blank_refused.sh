#!/usr/bin/env bash
# The colour dialog refuses a page that is blank in both columns and sends nothing;
# with only the character colour blank it sends digit 8 for that page.
source "$(dirname "$0")/../harness.sh"
serial_rig
signsim_on_serial
configure Interface=0
start_and_drive <<'STEPS'
menu 40012
dialog "文字色の設定"
combo 40070 8
combo 40078 8
expect-combo-text 40078 "ブランク"
click 40025
expect-box "Miss! Can't Set" "Error" exclamation OK
expect-nothing-received ${RECEIVED} 1
combo 40078 0
click 40025
expect-received-exactly ${RECEIVED} "PTIC7070707080707070707070707070707070707070707070707070707070707070\r\n"
expect-box "Success" "設定完了" none OK
STEPS
