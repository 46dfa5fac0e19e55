#!/usr/bin/env bash
# Over RS-232C and then over TCP/IP, a data file with every setting away from its
# default (a Japanese title on every page) goes to the sign with "全項目設定" and comes
# back with "読み込み" after New:
# - the sign receives exactly the file's 52 commands in order, then exactly the
#   read-back requests: 53 over RS-232C, "RCA01" first and "RTSR" last; 54 over TCP/IP,
#   the last two "RTSR";
# - while a run is in progress "閉じる" is disabled and command 2 (as Esc or the close
#   box send it) is ignored; a second press of the start button, New and Open do
#   nothing;
# - the all-items dialog ends itself without a box; the read-back dialog ends after
#   "読み込み完了" (over TCP/IP once for each "RTSR");
# - a dialog opened afterwards shows the values read, and the file saved then equals
#   the original except what the read-back cannot carry: the page number's "Auto"
#   (the sign's answer to "RP" is not decoded) and the 32nd schedule row (the schedule
#   commands and replies carry 31 days).
source "$(dirname "$0")/../harness.sh"
cp "$KYZ_SOURCE/tests/data/every_field_lx.dat" "$OUT/original.dat"
"$KYZ424CTL" commands "$OUT/original.dat" >"$OUT/commands.bin"
read_back_expected "$OUT/original.dat" "$OUT/expected.dat"

# round_trip LINK CONNECT_STEPS READ_BACK_BOXES: the whole round trip once the program
# runs; CONNECT_STEPS bring the link up.
round_trip() {
  local link="$1" connect="$2" boxes="$3"
  start_and_drive <<STEPS
$connect
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
expect-dialog-gone 30
expect-no-box 1
STEPS
  expect_received_bytes "$OUT/commands.bin"

  drive <<STEPS
wait-main-window
menu 40001
menu 40180
dialog "設定項目の読み込み"
click 1005
expect-enabled 2 0
click 2
$(for ((i = 0; i < boxes; i++)); do echo 'expect-box "Success" "読み込み完了" none OK 25'; done)
expect-dialog-gone
menu 40011
dialog "スクロール・スピードの設定"
expect-combo 40027 0
expect-combo 40028 1
expect-combo 40029 3
click 2
expect-dialog-gone
menu 40004
save-dialog ${OUT}/read-back-$link.dat
expect-file-lines ${OUT}/read-back-$link.dat 531
STEPS
  expect_received_bytes "$OUT/requests-$link.bin" "$(stat -c %s "$OUT/commands.bin")"
  cmp "$OUT/expected.dat" "$OUT/read-back-$link.dat" || {
    diff <(cat -A "$OUT/expected.dat") <(cat -A "$OUT/read-back-$link.dat") | head -20
    exit 1
  }
}

serial_rig
signsim_on_serial
configure Interface=0
"$KYZ424CTL" requests >"$OUT/requests-serial.bin"
round_trip serial "" 1
end_programs
kill "$SIGNSIM_PID" && wait "$SIGNSIM_PID" 2>/dev/null || true

RECEIVED="$OUT/tcp-received.bin"
signsim_on_tcp --raw-log "$RECEIVED"
configure Interface=1 ClientServer=0 port_number="$TCP_PORT"
"$KYZ424CTL" requests --tcp >"$OUT/requests-tcp.bin"
round_trip tcp "$(tcp_connect_steps)" 2
