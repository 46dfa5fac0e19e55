#!/usr/bin/env bash
# Over RS-232C: the alarm dialog's hold-time box keeps the digits of the first three
# characters and sends them as ADT; its lists send ACA, AME, AICB and ARB. The remote
# dialog shares the inputs' pages, offers "AS" for them (RCA) and sends RMBIN; the alarm
# dialog then shows no page for that input and its own mode unchanged.
# The pictures are kept as out/alarm_and_remote_dialogs/{alarm,remote}.png.
source "$(dirname "$0")/../harness.sh"
serial_rig
signsim_on_serial
configure Interface=0
start_and_drive <<'STEPS'
menu 40020
dialog "アラーム"
expect-text 40170 "30"
expect-text 1007 "1"
type 40170 "12x"
sleep 300
STEPS
import -window root "$OUT/alarm.png"
drive <<'STEPS'
wait-main-window
dialog "アラーム"
click 40174
expect-box "Success" "設定完了" none OK
type 40170 "1234"
click 40174
expect-box "Success" "設定完了" none OK
combo 1015 4
click 1006
expect-box "Success" "設定完了" none OK
combo 40168 1
expect-combo-text 40168 "リモート"
click 40172
expect-box "Success" "設定完了" none OK
combo 40169 1
click 40173
expect-box "Success" "設定完了" none OK
combo 40171 1
click 40175
expect-box "Success" "設定完了" none OK
click 2
expect-dialog-gone
menu 40021
dialog "リモート"
expect-combo-text 1015 "5"
combo 1017 32
expect-combo-text 1017 "AS"
combo 40177 1
expect-combo-text 40177 "バイナリ"
sleep 300
STEPS
import -window root "$OUT/remote.png"
drive <<'STEPS'
wait-main-window
dialog "リモート"
click 1006
expect-box "Success" "設定完了" none OK
click 40178
expect-box "Success" "設定完了" none OK
expect-received-exactly ${RECEIVED} "ADT012\r\nADT123\r\nACA0502030405060708\r\nAME\r\nAICB\r\nARB\r\nRCA0502AS0405060708\r\nRMBIN\r\n"
click 2
expect-dialog-gone
menu 40020
dialog "アラーム"
expect-combo 1017 -1
expect-combo-text 40168 "リモート"
expect-text 40170 "123"
STEPS
