#!/usr/bin/env bash
# Over RS-232C: the scroll-speed dialog's "設定" sends all 32 pages to the sign byte
# for byte, and the sign's "GO" is reported as done.
source "$(dirname "$0")/../harness.sh"
serial_rig
signsim_on_serial
configure Interface=0
start_and_drive <<'STEPS'
menu 40011
dialog "スクロール・スピードの設定"
# Page 1 "約12秒"; page 3 first "約 3秒", then "約 4秒"; page 32 "約 3秒".
combo 40027 0
combo 40029 3
combo 40029 2
expect-combo-text 40029 "約 4秒"
combo 40043 3
combo 40034 3
click 40025
expect-received-exactly ${RECEIVED} "PTSS13333333333333333333333333333334\r\n"
expect-box "Success" "設定完了" none OK
click 2
expect-dialog-gone
# Leaving without saving ends the program, read thread and all.
menu 150
expect-box "データを保存せずに終了しますか？" "KYZ-424LX" question Yes
expect-exit 10 0
STEPS
