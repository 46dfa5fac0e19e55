#!/usr/bin/env bash
# kyz424's settings sheet with pages visited back and forth: a page that comes up shows
# what another page changed meanwhile, and its "設定" sends what it shows. The title
# page and "その他の設定" share the page (3 -> 1 -> 3), the page-group pages the group
# (4 -> 2 -> 6), "リモート" and "アラーム" the terminal assignment (13 -> 12 -> 13: "AS"
# shows no selection on "アラーム", whose "設定" sends the record, refused by the sign).
# The saved file then holds what the pages showed.
source "$(dirname "$0")/../harness.sh"
serial_rig
signsim_on_serial
configure_mfc Interface=0
TITLE5="$(title_command CA 5 "かき")"
SPEEDS="PTSS$(printf '3%.0s' $(seq 31))1"
COLOURS="PTIC$(printf '70%.0s' $(seq 31))71"
SENT=""
for command in "$TITLE5" P07 PAS "$SPEEDS" "$COLOURS" RCA0102AS0405060708 ACA0102330405060708 \
  ACA0102050405060708; do
  SENT+="$command"$'\r\n'
done
export SENT
start_mfc_and_drive <<STEPS
menu 32771
dialog "File Name "
# Every page is made first, so that each visit below shows a page again, not anew.
sheet-page "リモート"
sheet-page "情報（タイトル）の設定"
type 40022 "あい"
sheet-page "その他の設定"
combo 40023 4
sheet-page "情報（タイトル）の設定"
expect-combo-text 40023 "05"
expect-text 40022 ""
type 40022 "かき"
click 40025
expect-received \${RECEIVED} "$TITLE5\r\n"
expect-box "Success" "設定完了" none OK
combo 40023 6
sheet-page "その他の設定"
expect-combo-text 40023 "07"
click 40044
expect-received \${RECEIVED} "P07\r\n"
expect-box "Success" "設定完了" none OK
combo 40023 32
sheet-page "情報（タイトル）の設定"
expect-combo-text 40023 "01"
expect-text 40022 "あい"
combo 40023 4
expect-text 40022 "かき"
sheet-page "その他の設定"
expect-combo-text 40023 "Sequence"
click 40044
expect-received \${RECEIVED} "PAS\r\n"
expect-box "Success" "設定完了" none OK
# Page 18 "Low" on "文字レベルの設定", page 32 "約12秒" and page 32's border "赤".
sheet-page "文字レベルの設定"
combo 40043 2
combo 40051 0
sheet-page "スクロール・スピードの設定"
expect-combo-text 40043 "P 17～24"
expect-text 40035 "17"
expect-text 40042 "24"
combo 40043 3
combo 40034 0
click 40025
expect-received \${RECEIVED} "$SPEEDS\r\n"
expect-box "Success" "設定完了" none OK
sheet-page "文字色の設定"
expect-combo-text 40043 "P25～32"
expect-text 40035 "25"
expect-text 40089 "32"
combo 40081 1
click 40025
expect-received \${RECEIVED} "$COLOURS\r\n"
expect-box "Success" "設定完了" none OK
# Input 3 on "AS", then back on a page of its own.
sheet-page "リモート"
combo 1017 32
click 1006
expect-received \${RECEIVED} "RCA0102AS0405060708\r\n"
expect-box "Success" "設定完了" none OK
sheet-page "アラーム"
expect-combo 1017 -1
click 1006
expect-received \${RECEIVED} "ACA0102330405060708\r\n"
expect-box "Command Error" "Error" stop OK
combo 1017 4
click 1006
expect-received-exactly \${RECEIVED} "\${SENT}"
expect-box "Success" "設定完了" none OK
sheet-page "リモート"
expect-combo-text 1017 "5"
dialog "File Name "
click 1
expect-dialog-gone
menu 32776
save-dialog \${OUT}/shared.dat "Save As"
expect-file-lines \${OUT}/shared.dat 531
STEPS
# page_auto, the texts of pages 1 and 5, page 18's character level, page 32's scroll
# speed and border colour, the terminal assignment.
line() { sed -n "$1p" "$OUT/shared.dat" | tr -d '\r' | iconv -f SHIFT_JIS -t UTF-8 | tr '\n' ' '; }
for check in "227=1 " "486=あい " "490=かき " "82=0 " "128=0 " "64=1 " "524,531=0 1 4 3 4 5 6 7 "; do
  [ "$(line "${check%%=*}")" = "${check#*=}" ] || { echo "line ${check%%=*}: \"$(line "${check%%=*}")\"" >&2; exit 1; }
done
