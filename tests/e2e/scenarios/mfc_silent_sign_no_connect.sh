#!/usr/bin/env bash
# kyz424 over RS-232C with a sign that never answers: once a menu has opened (which
# starts the frame's 500 ms timer), a "設定" is followed by "No Connect" in the error box
# 3 to 3.5 s later, once; leaving then stops the serial reader and ends the program.
source "$(dirname "$0")/../harness.sh"
serial_rig
signsim_on_serial --silent
configure_mfc Interface=0
start_mfc_and_drive <<'STEPS'
keys alt escape escape
menu 32771
dialog "File Name "
sheet-page "表示位置微調整"
# A tick that fell due while the page was being made is delivered first: let it pass,
# so that the ticks counted are those after the command.
sleep 600
mark
click 40099
expect-received-exactly ${RECEIVED} "PVT08\r\n"
expect-box-between 2.9 4.2 "No Connect" "Error" stop OK
expect-no-box 2
dialog "File Name "
click 1
expect-dialog-gone
menu 57665
expect-exit 10 0
STEPS
