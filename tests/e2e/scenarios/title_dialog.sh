#!/usr/bin/env bash
# The title dialog over RS-232C: opening it marks nothing, focusing the text does; typed
# Japanese goes out as its JIS codes ("設定" stored, "Not memory" shown only), each
# page keeps its text across page switches, 98 full-width characters go unpadded, and 99
# or a half-width letter bring the JIS warning with nothing sent.
# Picture: out/title_dialog/title.png.
source "$(dirname "$0")/../harness.sh"

FULL98=$(printf 'あ%.0s' $(seq 98))
export PAGE1=$(title_command CA 1 "あい") PAGE3=$(title_command CN 3 "漢字テスト")
export PAGE5=$(title_command CA 5 "$FULL98")
[ "$PAGE5" = "CA05$(printf '2422%.0s' $(seq 98))" ]

serial_rig
signsim_on_serial
configure Interface=0
start_and_drive <<STEPS
menu 40010
dialog "情報（タイトル）の設定"
click 2
expect-dialog-gone
menu 40001
expect-no-box 1
menu 40010
dialog "情報（タイトル）の設定"
focus 40022
click 2
expect-dialog-gone
menu 40001
expect-box "データを保存せずに新規作成しますか？" "KYZ-424LX" question No
menu 40010
dialog "情報（タイトル）の設定"
type 40022 "あい"
combo 40023 2
type 40022 "漢字テスト"
combo 40023 0
expect-text 40022 "あい"
click 40025
expect-box "Success" "設定完了" none OK
combo 40023 2
click 40024
expect-box "Success" "設定完了" none OK
STEPS
import -window root "$OUT/title.png"

drive <<STEPS
wait-main-window
dialog "情報（タイトル）の設定"
combo 40023 4
type 40022 "$FULL98"
click 40025
expect-box "Success" "設定完了" none OK
type 40022 "${FULL98}あ"
click 40025
expect-box "ＪＩＳ第１水準,第２水準以外の字が選択されてます" "Error" exclamation OK
type 40022 "あA"
click 40024
expect-box "ＪＩＳ第１水準,第２水準以外の字が選択されてます" "Error" exclamation OK
expect-received-exactly \${RECEIVED} "\${PAGE1}\r\n\${PAGE3}\r\n\${PAGE5}\r\n"
STEPS
