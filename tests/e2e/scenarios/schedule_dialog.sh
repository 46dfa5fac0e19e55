#!/usr/bin/env bash
# The schedule dialog over RS-232C: day 15's slots (hours 0 and 18, pages 7, "--" and
# "AS") survive a switch to day 1 and back; "ページ設定" and "時刻設定" send all 31
# days, "AS" at characters 117-118 after "SDPT", "--" as 00; the dialog reopens on the
# day last shown. Picture: out/schedule_dialog/schedule.png.
source "$(dirname "$0")/../harness.sh"
# Every other day keeps the new-settings schedule: hours 9, 12, 15, 18 and no pages.
pages="" hours=""
for day in $(seq 31); do
  if [ "$day" = 15 ]; then pages+=0700AS00 hours+=00121818; else pages+=00000000 hours+=09121518; fi
done
export PAGES="SDPT$pages" HOURS="SDTT$hours"
[ "${PAGES:4+116:2}" = AS ]

serial_rig
signsim_on_serial
configure Interface=0
start_and_drive <<'STEPS'
menu 40018
dialog "スケジュールの設定"
combo 40151 14
combo 40152 0
combo 40154 18
combo 1031 6
combo 1032 4
combo 1032 33
combo 1033 32
combo 40151 0
expect-combo-text 1033 "--"
combo 40151 14
expect-combo-text 40152 "0"
expect-combo-text 1031 "7"
expect-combo-text 1033 "AS"
click 40026
expect-box "Success" "設定完了" none OK
click 40156
expect-box "Success" "設定完了" none OK
expect-received-exactly ${RECEIVED} "${PAGES}\r\n${HOURS}\r\n"
click 2
expect-dialog-gone
menu 40018
dialog "スケジュールの設定"
expect-combo-text 40151 "15"
expect-combo-text 40154 "18"
STEPS
import -window root "$OUT/schedule.png"
