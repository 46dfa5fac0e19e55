#!/usr/bin/env bash
# Over RS-232C with a sign that never answers, the read-back sends exactly its 53
# requests ("RCA01" first, "RTSR" last) 300 ms apart without any "No Connect" while it
# runs, ends by itself, and only then reports the missing answer with "No Connect".
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
expect-no-box 15
expect-dialog-gone 3
expect-box-between 18.5 21.5 "No Connect" "Error" stop OK
STEPS
expect_received_bytes "$OUT/requests.bin"
