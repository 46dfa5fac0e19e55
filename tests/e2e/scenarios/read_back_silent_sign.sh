#!/usr/bin/env bash
# Over RS-232C with a sign that never answers, the read-back sends exactly its 53
# requests ("RCA01" first, "RTSR" last) 300 ms apart without any "No Connect" while it
# runs, ends by itself, and only then reports the missing answer with "No Connect".
# Picture of the dialog while it runs: out/read_back_silent_sign/read_back_dialog.png.
source "$(dirname "$0")/../harness.sh"
serial_rig
signsim_on_serial --silent
configure Interface=0
"$KYZ424CTL" requests >"$OUT/requests.bin"

start_and_drive <<'STEPS'
menu 40180
dialog "設定項目の読み込み"
click 1005
mark
expect-no-box 4
STEPS
import -window root "$OUT/read_back_dialog.png"
drive <<'STEPS'
wait-main-window
dialog "設定項目の読み込み"
mark
expect-no-box 10
expect-dialog-gone 4
expect-box-between 12.5 17 "No Connect" "Error" stop OK
STEPS
expect_received_bytes "$OUT/requests.bin"
