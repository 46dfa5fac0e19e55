#!/usr/bin/env bash
# kyz424's settings sheet over RS-232C: opened without a data file its title is "File
# Name " and nothing after; each page shows its caption and this edition's list texts,
# takes one real edit and sends its command byte for byte, answered with "設定完了";
# the group chosen on one page is the group the next page shows; "Sequence" sends PAS;
# the clock page sends the time it was opened at; "外部" sends AME; a title goes out as
# its JIS codes and keeps up to this edition's 225 bytes; "全Page設定" sends all 32
# pages one by one without a box, counting them in box 1006 of a page that has no
# progress bar and no close button; a sequence box is stored as it is clicked; the
# schedule's "AS" goes out in its day's place. Each page is kept as a picture in
# out/mfc_sheet_pages/.
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
save-screen ${OUT}/scroll_speed.bmp
expect-combo-text 40043 "P  1～8"
combo 40029 3
expect-combo-text 40029 "約3秒"
click 40025
expect-received-exactly ${RECEIVED} "PTSS33433333333333333333333333333333\r\n"
expect-box "Success" "設定完了" none OK
# "文字レベルの設定": page 1 "Low".
sheet-page "文字レベルの設定"
save-screen ${OUT}/char_level.bmp
combo 40050 0
expect-combo-text 40050 "Low"
click 40025
expect-received ${RECEIVED} "PTWLLHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHH\r\n"
expect-box "Success" "設定完了" none OK
# "背景色ベタ塗りの設定": group "P  9～16", page 10 "ON".
sheet-page "背景色ベタ塗りの設定"
save-screen ${OUT}/background_fill.bmp
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
save-screen ${OUT}/char_colour.bmp
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
save-screen ${OUT}/display_position.bmp
expect-text 40035 "17"
combo 40043 3
expect-combo-text 40043 "P 25～32"
combo 40097 1
expect-combo-text 40097 "Top"
click 40025
expect-received ${RECEIVED} "PTSS33433333333333333333333333333333\r\nPTWLLHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHH\r\nPTFBFFFFFFFFFNFFFFFFFFFFFFFFFFFFFFFF\r\nPTIC7070707070707070707070707070707013707070707070707070707070707070\r\nPTDPBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBT\r\n"
expect-box "Success" "設定完了" none OK
STEPS

# Clear of an hour's end, so that the hour read here is the hour the clock page reads.
while [ "$(date +%M%S)" -gt 5940 ]; do sleep 1; done
read -r YEAR MONTH HOUR < <(date '+%Y %-m %-H')
two() { printf '%02d' "$1"; }
drive <<STEPS
wait-main-window
dialog "File Name "
sheet-page "その他の設定"
save-screen \${OUT}/other_settings.bmp
expect-combo-text 40023 "01"
combo 40023 32
expect-combo-text 40023 "Sequence"
combo 40047 1
expect-combo-text 40047 "非表示"
click 40044
expect-box "Success" "設定完了" none OK
sheet-page "表示位置微調整"
save-screen \${OUT}/fine_position.bmp
combo 40098 15
expect-combo-text 40098 "15"
click 40099
expect-box "Success" "設定完了" none OK
sheet-page "時計＆日付けの設定"
save-screen \${OUT}/clock_date.bmp
expect-combo-text 40134 "$YEAR"
expect-combo-text 40136 "$(printf '%2d' "$MONTH")"
expect-combo-text 40140 "$(printf '%2d' "$HOUR")"
click 40135
expect-box "Success" "設定完了" none OK
click 40141
expect-box "Success" "設定完了" none OK
combo 40147 2
expect-combo-text 40147 "Normal"
click 40148
expect-box "Success" "設定完了" none OK
sheet-page "アラーム"
save-screen \${OUT}/alarm.bmp
combo 40168 1
expect-combo-text 40168 "外部"
click 40172
expect-box "Success" "設定完了" none OK
sheet-page "リモート"
save-screen \${OUT}/remote.bmp
combo 40177 1
expect-combo-text 40177 "バイナリ"
click 40178
expect-received-exactly \${RECEIVED} "PTSS33433333333333333333333333333333\r\nPTWLLHHHHHHHHHHHHHHHHHHHHHHHHHHHHHHH\r\nPTFBFFFFFFFFFNFFFFFFFFFFFFFFFFFFFFFF\r\nPTIC7070707070707070707070707070707013707070707070707070707070707070\r\nPTDPBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBT\r\nPAS\r\nPVT15\r\nDSY$(two $((YEAR - 2000)))\r\nTSH$(two "$HOUR")\r\nTSDN\r\nAME\r\nRMBIN\r\n"
expect-box "Success" "設定完了" none OK
STEPS
# Pages 1, 9 and 11.
export TITLE=$(title_command CA 1 "あい") SEQUENCE="PTSP$(printf 'L%.0s' $(seq 19))S$(printf 'L%.0s' $(seq 12))"
pages=""
for day in $(seq 31); do
  if [ "$day" = 15 ]; then pages+=0000AS00; else pages+=00000000; fi
done
export SCHEDULE="SDPT$pages"
# "全Page設定": every page in the stored form, page 1 with its text, the others empty.
ALL_PAGES="$TITLE"$'\r\n'
for page in $(seq 2 32); do ALL_PAGES+="$(title_command CA "$page" "")"$'\r\n'; done
export ALL_PAGES
: >"$RECEIVED"
LONG=$(printf 'あ%.0s' $(seq 113))
drive <<STEPS
wait-main-window
dialog "File Name "
sheet-page "情報（タイトル）の設定"
save-screen \${OUT}/title.bmp
expect-combo-text 40023 "01"
type 40022 "あい"
click 40025
expect-received-exactly \${RECEIVED} "\${TITLE}\r\n"
expect-box "Success" "設定完了" none OK
expect-no-child msctls_progress32
expect-no-child 閉じる
click 40026
watch-text 1006 30 "" $(seq -s ' ' 32) "  "
expect-received-exactly \${RECEIVED} "\${TITLE}\r\n\${ALL_PAGES}" 30
expect-no-box 1
type 40022 "$LONG"
sheet-page "シ－ケンス・ページの設定"
save-screen \${OUT}/sequence_pages.bmp
toggle 40121
click 40025
expect-box "Success" "設定完了" none OK
sheet-page "スケジュールの設定"
save-screen \${OUT}/schedule.bmp
expect-text 40156 "時間設定"
combo 40151 14
expect-combo-text 40151 "15"
combo 1033 32
expect-combo-text 1033 "AS"
click 40026
expect-received-exactly \${RECEIVED} "\${TITLE}\r\n\${ALL_PAGES}\${SEQUENCE}\r\n\${SCHEDULE}\r\n"
expect-box "Success" "設定完了" none OK
dialog "File Name "
click 1
expect-dialog-gone
menu 32776
save-dialog \${OUT}/sheet.dat "Save As"
expect-file-lines \${OUT}/sheet.dat 531
STEPS
# The long title kept 112 full-width characters: 224 of the 225 bytes.
[ "$(sed -n 486p "$OUT/sheet.dat" | tr -d '\r' | iconv -f SHIFT_JIS -t UTF-8)" = "$(printf 'あ%.0s' $(seq 112))" ]
sed -n 180p "$OUT/sheet.dat" | grep -qx $'0\r'
for picture in "$OUT"/*.bmp; do convert "$picture" "${picture%.bmp}.png" && rm "$picture"; done
