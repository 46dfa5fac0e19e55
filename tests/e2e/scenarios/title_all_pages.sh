#!/usr/bin/env bash
# "全Page設定" over RS-232C: the titles of pages 1..32 go to the sign in the stored form,
# one every 500 ms, page 2 with the text just typed; while the run goes on "閉じる" is
# disabled and command 2 ignored, "設定" and "Not memory" send nothing; the sign's answer
# to page 32 brings the one "設定完了" box, after the run, with the dialog still open,
# two blanks in its step box and "閉じる" enabled; the dialog closes again.
source "$(dirname "$0")/../harness.sh"
serial_rig
signsim_on_serial
configure Interface=0
"$KYZ424CTL" new "$OUT/new.dat"
# The stored titles of a fresh record, page 2 with 漢字 (JIS 3441 3B7A).
"$KYZ424CTL" commands "$OUT/new.dat" | head -n 32 |
  sed '2s/^CA0221212121/CA0234413B7A/' >"$OUT/titles.bin"

start_and_drive <<'STEPS'
menu 40010
dialog "情報（タイトル）の設定"
combo 40023 1
type 40022 "漢字"
click 40026
expect-received ${RECEIVED} "CA01"
expect-enabled 2 0
click 40025
click 40024
click 2
expect-received ${RECEIVED} "CA32" 25
expect-box "Success" "設定完了" none OK
expect-no-box 1
expect-enabled 2 1
expect-text 1037 "  "
click 2
expect-dialog-gone
STEPS
expect_received_bytes "$OUT/titles.bin"
