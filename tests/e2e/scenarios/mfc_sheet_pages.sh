#!/usr/bin/env bash
# kyz424's settings sheet over RS-232C: opened without a data file its title is "File
# Name " and nothing after; each page-group page shows its caption and texts, takes one
# real edit and sends its command byte for byte, answered with "設定完了"; the group
# chosen on one page is the group the next page shows. Each page is kept as a picture
# in out/mfc_sheet_pages/.
source "$(dirname "$0")/../harness.sh"
serial_rig
signsim_on_serial
configure_mfc Interface=0
start_mfc_and_drive <<'STEPS'
menu 32771
dialog "File Name "
expect-dialog-title "File Name "
# "スクロール・スピードの設定": page 3 "約3秒".
sheet-page "スクロール・スピードの設定"
save-screen ${OUT}/page_0.bmp
expect-combo-text 40043 "P  1～8"
combo 40029 3
expect-combo-text 40029 "約3秒"
click 40025
expect-received-exactly ${RECEIVED} "PTSS33433333333333333333333333333333\r\n"
expect-box "Success" "設定完了" none OK
# "文字レベルの設定": page 1 "Low".
sheet-page "文字レベルの設定"
save-screen ${OUT}/page_1.bmp
combo 40050 0
expect-combo-text 40050 "Low"
click 40025
expect-received ${RECEIVED} "PTWLLHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHH\r\n"
expect-box "Success" "設定完了" none OK
# "背景色ベタ塗りの設定": group "P  9～16", page 10 "ON".
sheet-page "背景色ベタ塗りの設定"
save-screen ${OUT}/page_2.bmp
combo 40043 1
expect-combo-text 40043 "P  9～16"
expect-text 40035 "9"
combo 40059 1
expect-combo-text 40059 "ON"
click 40025
expect-received ${RECEIVED} "PTFBFFFFFFFFFNFFFFFFFFFFFFFFFFFFFFFF\r\n"
expect-box "Success" "設定完了" none OK
# "文字色の設定" comes up on the same group: page 17 is reached by its own texts.
sheet-page "文字色の設定"
save-screen ${OUT}/page_3.bmp
expect-combo-text 40043 "P 9～16"
expect-text 40082 "9"
combo 40043 2
expect-combo-text 40043 "P17～24"
combo 40066 1
combo 40074 3
expect-combo-text 40066 "赤"
click 40025
expect-received ${RECEIVED} "PTIC7070707070707070707070707070707013707070707070707070707070707070\r\n"
expect-box "Success" "設定完了" none OK
# "表示位置の設定": group "P 25～32", page 32 "Top".
sheet-page "表示位置の設定"
save-screen ${OUT}/page_4.bmp
expect-text 40035 "17"
combo 40043 3
expect-combo-text 40043 "P 25～32"
combo 40097 1
expect-combo-text 40097 "Top"
click 40025
expect-received-exactly ${RECEIVED} "PTSS33433333333333333333333333333333\r\nPTWLLHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHH\r\nPTFBFFFFFFFFFNFFFFFFFFFFFFFFFFFFFFFF\r\nPTIC7070707070707070707070707070707013707070707070707070707070707070\r\nPTDPBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBT\r\n"
expect-box "Success" "設定完了" none OK
STEPS
for picture in "$OUT"/page_*.bmp; do convert "$picture" "${picture%.bmp}.png" && rm "$picture"; done
