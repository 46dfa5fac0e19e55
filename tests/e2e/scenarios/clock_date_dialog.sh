#!/usr/bin/env bash
# Over RS-232C: the clock and date dialog opens on the PC's time and sends it field by
# field; size and range send their letters; "30秒補正" sends TSA. Moving the clock lists
# is no unsaved change (New asks nothing), choosing a size is (New asks).
# The dialog's picture is kept as out/clock_date_dialog/clock_date.png.
source "$(dirname "$0")/../harness.sh"
serial_rig
signsim_on_serial
configure Interface=0
# Clear of an hour's end, so that the hour read here is the hour the dialog reads.
while [ "$(date +%M%S)" -gt 5940 ]; do sleep 1; done
read -r YEAR MONTH DAY HOUR < <(date '+%Y %-m %-d %-H')
two() { printf '%02d' "$1"; }
start_and_drive <<STEPS
menu 40017
dialog "時計＆日付けの設定"
combo 40144 5
click 2
expect-dialog-gone
menu 40001
expect-no-box 1
menu 40017
dialog "時計＆日付けの設定"
expect-combo-text 40134 "$YEAR"
expect-combo-text 40136 "$MONTH"
expect-combo-text 40138 "$DAY"
expect-combo-text 40140 "$HOUR"
sleep 300
STEPS
import -window root "$OUT/clock_date.png"
drive <<STEPS
wait-main-window
dialog "時計＆日付けの設定"
click 40135
expect-box "Success" "設定完了" none OK
click 40137
expect-box "Success" "設定完了" none OK
click 40139
expect-box "Success" "設定完了" none OK
click 40141
expect-box "Success" "設定完了" none OK
combo 40147 0
expect-combo-text 40147 "Off  "
combo 40147 1
click 40148
expect-box "Success" "設定完了" none OK
combo 40149 5
expect-combo-text 40149 "年.月.日 時:分:秒"
click 40150
expect-box "Success" "設定完了" none OK
click 40146
expect-box "Success" "設定完了" none OK
expect-received-exactly \${RECEIVED} "DSY$(two $((YEAR - 2000)))\r\nDSM$(two "$MONTH")\r\nDSD$(two "$DAY")\r\nTSH$(two "$HOUR")\r\nTSDS\r\nTSR6\r\nTSA\r\n"
click 2
expect-dialog-gone
menu 40001
expect-box "データを保存せずに新規作成しますか？" "KYZ-424LX" question Yes
STEPS
