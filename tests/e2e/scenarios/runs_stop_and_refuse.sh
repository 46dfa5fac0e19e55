#!/usr/bin/env bash
# A run stops at the tick after the sign's error reply and refuses to start without a
# link:
# - over RS-232C the sign answers "E3" to the all-items send's step 10: "Command Error"
#   is shown, nothing more reaches the sign, the dialog stays open with "閉じる"
#   enabled and step 10 in its step box, and "全項目設定" starts again from step 1;
#   while that run goes on, the read-back's "読み込み" starts nothing;
# - over TCP/IP without a connection the three runs refuse with
#   "Socket が接続されていません" and send nothing; their dialogs still close;
# - a sign that closes the connection in the middle of its answer to the read-back's
#   fifth request ends the link, and the next request stops the run with
#   "Socket が接続されていません"; after it the dialog closes again.
# Picture of the stopped all-items dialog: out/runs_stop_and_refuse/all_items_dialog.png.
source "$(dirname "$0")/../harness.sh"
serial_rig
signsim_on_serial --error-reply E3 --on-command 10
configure Interface=0
"$KYZ424CTL" new "$OUT/new.dat"
"$KYZ424CTL" commands "$OUT/new.dat" >"$OUT/commands.bin"
head -n 10 "$OUT/commands.bin" >"$OUT/first-ten.bin"
head -n 1 "$OUT/commands.bin" >"$OUT/first.bin"

start_and_drive <<'STEPS'
menu 40009
dialog "全項目の設定"
click 1036
expect-box "Command Error" "Error" stop OK 15
sleep 700
expect-enabled 2 1
expect-text 1037 "10"
STEPS
expect_received_bytes "$OUT/first-ten.bin"
import -window root "$OUT/all_items_dialog.png"

drive <<'STEPS'
wait-main-window
dialog "全項目の設定"
click 1036
expect-enabled 2 0
menu 40180
dialog "設定項目の読み込み"
click 1005
expect-no-box 0.7
click 2
expect-dialog-gone
STEPS
expect_received_bytes "$OUT/first.bin" "$(stat -c %s "$OUT/first-ten.bin")" more
if grep -q RCA "$RECEIVED"; then echo "the read-back started during the all-items send"; exit 1; fi
end_programs

configure Interface=1
start_and_drive <<'STEPS'
menu 40009
dialog "全項目の設定"
click 1036
expect-box "Socket が接続されていません" "Error" stop OK
expect-enabled 2 1
expect-no-box 0.7
click 2
expect-dialog-gone
menu 40180
dialog "設定項目の読み込み"
click 1005
expect-box "Socket が接続されていません" "Error" stop OK
expect-no-box 0.5
click 2
expect-dialog-gone
menu 40010
dialog "情報（タイトル）の設定"
click 40026
expect-box "Socket が接続されていません" "Error" stop OK
expect-no-box 0.7
click 2
expect-dialog-gone
STEPS
end_programs
kill "$SIGNSIM_PID" && wait "$SIGNSIM_PID" 2>/dev/null || true

signsim_on_tcp --close-mid-answer --on-command 5
configure Interface=1 ClientServer=0 port_number="$TCP_PORT"
start_and_drive <<STEPS
$(tcp_connect_steps)
menu 40180
dialog "設定項目の読み込み"
click 1005
expect-box "Socket が接続されていません" "Error" exclamation OK 10
expect-enabled 2 1
click 2
expect-dialog-gone
STEPS
