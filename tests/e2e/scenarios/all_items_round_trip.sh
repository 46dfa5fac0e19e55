#!/usr/bin/env bash
# Over RS-232C, a data file with every setting away from its default (a Japanese title
# on every page) goes to the sign with "全項目設定" and comes back with "読み込み" after
# New:
# - the sign receives exactly the file's 52 commands in order, then exactly the 53
#   read-back requests, "RCA01" first and "RTSR" last;
# - while a run is in progress "閉じる" is disabled and command 2 (as Esc or the close
#   box send it) is ignored; a second press of the start button, New and Open do
#   nothing;
# - the all-items dialog ends itself without a box; the read-back dialog ends after
#   "読み込み完了";
# - a dialog opened afterwards shows the values read, and the file saved then equals
#   the original except what the read-back cannot carry: the page number's "Auto"
#   (the sign's answer to "RP" is not decoded) and the 32nd schedule row (the schedule
#   commands and replies carry 31 days).
source "$(dirname "$0")/../harness.sh"
serial_rig
signsim_on_serial
configure Interface=0
cp "$KYZ_SOURCE/tests/data/every_field_lx.dat" "$OUT/original.dat"
"$KYZ424CTL" commands "$OUT/original.dat" >"$OUT/commands.bin"
"$KYZ424CTL" requests >"$OUT/requests.bin"

start_and_drive <<'STEPS'
menu 40002
open-dialog ${OUT}/original.dat
menu 40009
dialog "全項目の設定"
click 1036
expect-received ${RECEIVED} "CA01"
expect-enabled 2 0
click 1036
click 2
menu 40001
menu 40002
expect-no-box 1
expect-no-dialog "ファイルのオープン" 0.3
expect-enabled 2 0
expect-dialog-gone 25
expect-no-box 1
STEPS
expect_received_bytes "$OUT/commands.bin"

drive <<'STEPS'
wait-main-window
menu 40001
menu 40180
dialog "設定項目の読み込み"
click 1005
expect-enabled 2 0
click 2
expect-box "Success" "読み込み完了" none OK 25
expect-dialog-gone
menu 40011
dialog "スクロール・スピードの設定"
expect-combo 40027 0
expect-combo 40028 1
expect-combo 40029 3
click 2
expect-dialog-gone
menu 40004
save-dialog ${OUT}/read-back.dat
expect-file-lines ${OUT}/read-back.dat 531
STEPS
expect_received_bytes "$OUT/requests.bin" "$(stat -c %s "$OUT/commands.bin")"

# Line 227: page_auto, back at New's 0; lines 352-355 and 480-483: the 32nd schedule
# row's pages and hours, back at New's defaults.
awk 'NR == 227 { print "0\r"; next }
     NR >= 352 && NR <= 355 { print "33\r"; next }
     NR >= 480 && NR <= 483 { print 9 + 3 * (NR - 480) "\r"; next }
     { print }' "$OUT/original.dat" >"$OUT/expected.dat"
cmp "$OUT/expected.dat" "$OUT/read-back.dat" || {
  diff <(cat -A "$OUT/expected.dat") <(cat -A "$OUT/read-back.dat") | head -20
  exit 1
}
