#!/usr/bin/env bash
# kyz424 over TCP/IP (on a Windows of major version 5, where its TCP/IP dialog opens):
# a data file with every setting away from its default goes to the sign with
# "全項目設定" and comes back with "読み込み" after New:
# - the sign receives exactly the file's 52 commands in this edition's order ("SDPT"
#   before "SDTT", "RCA" last), then exactly the 53 read-back requests, "RTSR" once;
# - while a run is in progress "閉じる" is disabled and command 2 is ignored;
# - the all-items dialog ends itself without a box and the next run can start; the
#   read-back dialog, opened by the maintenance shortcut, ends after one "読み込み完了";
# - the file saved then equals the original except what the read-back cannot carry:
#   the page number's "Auto" (the answer to "RP" is not decoded) and the 32nd schedule
#   row (the schedule commands and replies carry 31 days).
# Both dialogs are kept as pictures in out/mfc_all_items_round_trip/.
source "$(dirname "$0")/../harness.sh"
RECEIVED="$OUT/received.bin"
signsim_on_tcp --raw-log "$RECEIVED"
windows_version winxp64
configure_mfc Interface=1 list_count=1 ip00_0=127 ip00_1=0 ip00_2=0 ip00_3=1 select_no=0 \
  port_no="$TCP_PORT"
cp "$KYZ_SOURCE/tests/data/every_field_lx.dat" "$OUT/original.dat"
"$KYZ424CTL" commands --edition mfc "$OUT/original.dat" >"$OUT/commands.bin"
"$KYZ424CTL" requests --edition mfc --tcp >"$OUT/requests.bin"
read_back_expected "$OUT/original.dat" "$OUT/expected.dat"

start_mfc_and_drive <<STEPS
menu 32779
dialog "TCP/IPの設定"
click 1078
expect-box "Socket 接続 OK" "Success" none OK
click 1
expect-dialog-gone
menu 32774
open-dialog ${OUT}/original.dat Open
menu 32777
dialog "全項目の設定"
save-screen ${OUT}/all_items.bmp
click 1036
expect-received ${RECEIVED} "CA01"
expect-enabled 2 0
click 1036
click 2
expect-enabled 2 0
expect-dialog-gone 30
expect-no-box 1
STEPS
expect_received_bytes "$OUT/commands.bin"

drive <<STEPS
wait-main-window
menu 32773
$(corner_clicks 10)
dialog "設定項目の読み込み"
save-screen ${OUT}/read_back.bmp
click 1005
expect-enabled 2 0
click 2
expect-box "Success" "読み込み完了" none OK 40
expect-dialog-gone
expect-no-box 1
menu 32776
save-dialog ${OUT}/read-back "Save As"
expect-file-lines ${OUT}/read-back.dat 531
STEPS
expect_received_bytes "$OUT/requests.bin" "$(stat -c %s "$OUT/commands.bin")"
for picture in all_items read_back; do
  convert "$OUT/$picture.bmp" "$OUT/$picture.png" && rm "$OUT/$picture.bmp"
done
cmp "$OUT/expected.dat" "$OUT/read-back.dat" || {
  diff <(cat -A "$OUT/expected.dat") <(cat -A "$OUT/read-back.dat") | head -20
  exit 1
}
