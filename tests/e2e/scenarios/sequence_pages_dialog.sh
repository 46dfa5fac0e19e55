#!/usr/bin/env bash
# The sequence-page dialog over RS-232C: a click marks the settings as changed; closing
# with Esc keeps the boxes (page 20 unticked, then ticked again with page 3 unticked),
# and "設定" sends them as "PTSP". Picture: out/sequence_pages_dialog/sequence.png.
source "$(dirname "$0")/../harness.sh"
serial_rig
signsim_on_serial
configure Interface=0
start_and_drive <<'STEPS'
menu 40016
dialog "シ－ケンス・ページの設定"
toggle 40121
dialog-keys escape
expect-dialog-gone
menu 40001
expect-box "データを保存せずに新規作成しますか？" "KYZ-424LX" question No
menu 40016
dialog "シ－ケンス・ページの設定"
click 40025
expect-box "Success" "設定完了" none OK
toggle 40121
toggle 40104
dialog-keys escape
expect-dialog-gone
menu 40016
dialog "シ－ケンス・ページの設定"
click 40025
expect-box "Success" "設定完了" none OK
expect-received-exactly ${RECEIVED} "PTSPLLLLLLLLLLLLLLLLLLLSLLLLLLLLLLLL\r\nPTSPLLSLLLLLLLLLLLLLLLLLLLLLLLLLLLLL\r\n"
STEPS
import -window root "$OUT/sequence.png"
