#!/usr/bin/env bash
# Over RS-232C: "その他の設定" sends "Auto" as PAS, shows "Auto" again on reopening and
# brings the title dialog to page 1,
# then page 7 as P07, and its other lists' commands; "表示位置微調整" sends PVT15 and
# PVB00. Every choice there is an unsaved change (New asks).
# The pictures are kept as out/other_and_fine_position_dialogs/{other,fine_position}.png.
source "$(dirname "$0")/../harness.sh"
serial_rig
signsim_on_serial
configure Interface=0
start_and_drive <<'STEPS'
# Page 5 chosen in the title dialog; "Auto" below brings that dialog back to page 1.
menu 40010
dialog "情報（タイトル）の設定"
combo 40023 4
click 2
expect-dialog-gone
menu 40019
dialog "その他の設定"
combo 40023 32
expect-combo-text 40023 "Auto"
sleep 300
STEPS
import -window root "$OUT/other.png"
drive <<'STEPS'
wait-main-window
dialog "その他の設定"
click 40044
expect-box "Success" "設定完了" none OK
click 2
expect-dialog-gone
menu 40010
dialog "情報（タイトル）の設定"
expect-combo-text 40023 "1"
click 2
expect-dialog-gone
menu 40019
dialog "その他の設定"
expect-combo-text 40023 "Auto"
combo 40023 6
click 40044
expect-box "Success" "設定完了" none OK
combo 40045 1
click 40046
expect-box "Success" "設定完了" none OK
combo 40047 0
expect-combo-text 40047 "　表示"
click 40048
expect-box "Success" "設定完了" none OK
combo 40158 1
click 40159
expect-box "Success" "設定完了" none OK
click 2
expect-dialog-gone
menu 40019
dialog "その他の設定"
expect-combo-text 40023 "7"
click 2
expect-dialog-gone
menu 40015
dialog "表示位置微調整"
combo 40098 15
combo 40100 0
sleep 300
STEPS
import -window root "$OUT/fine_position.png"
drive <<'STEPS'
wait-main-window
dialog "表示位置微調整"
click 40099
expect-box "Success" "設定完了" none OK
click 40101
expect-box "Success" "設定完了" none OK
expect-received-exactly ${RECEIVED} "PAS\r\nP07\r\nISSON\r\nIDON\r\nCIR\r\nPVT15\r\nPVB00\r\n"
click 2
expect-dialog-gone
menu 40001
expect-box "データを保存せずに新規作成しますか？" "KYZ-424LX" question Yes
STEPS
