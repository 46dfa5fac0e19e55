#!/usr/bin/env bash
# The group chosen in one page-group dialog is the group the next one opens on; a row-8
# edit lands on the last page of the group shown; switching groups back and forth shows
# what was chosen.
source "$(dirname "$0")/../harness.sh"
configure Interface=1
start_and_drive <<'STEPS'
menu 40014
dialog "表示位置の設定"
expect-combo 40043 0
expect-text 40035 "1"
combo 40043 3
expect-combo-text 40043 "P25～P32"
expect-text 40035 "25"
expect-text 40042 "32"
click 2
expect-dialog-gone
menu 40049
dialog "文字レベルの設定"
expect-combo 40043 3
expect-text 40035 "25"
expect-text 40042 "32"
expect-combo-text 40057 "High"
click 2
expect-dialog-gone
# Row 8 of group "P 9～P16" is page 16.
menu 40014
dialog "表示位置の設定"
combo 40043 1
expect-text 40042 "16"
combo 40097 1
expect-combo-text 40097 "   Top"
combo 40043 0
expect-combo 40097 0
combo 40043 1
expect-combo 40097 1
expect-combo 40096 0
click 2
expect-dialog-gone
# The colour dialog shows the page numbers in both columns.
menu 40012
dialog "文字色の設定"
expect-combo 40043 1
expect-text 40082 "9"
expect-text 40089 "16"
expect-combo-text 40066 "白"
expect-combo-text 40074 "黒"
click 2
expect-dialog-gone
# Every list text as the operator reads it, blanks included.
menu 40011
dialog "スクロール・スピードの設定"
combo 40043 0
expect-combo-text 40043 "P 1～ 8"
combo 40043 1
expect-combo-text 40043 "P 9～P16"
combo 40043 2
expect-combo-text 40043 "P17～P24"
expect-text 40035 "17"
combo 40027 0
expect-combo-text 40027 "約12秒"
combo 40027 1
expect-combo-text 40027 "約 6秒"
combo 40027 3
expect-combo-text 40027 "約 3秒"
click 2
expect-dialog-gone
menu 40013
dialog "背景色ベタ塗りの設定"
expect-combo-text 40065 "OFF"
combo 40065 1
expect-combo-text 40065 " ON"
click 2
expect-dialog-gone
menu 40049
dialog "文字レベルの設定"
combo 40050 0
expect-combo-text 40050 " Low"
click 2
expect-dialog-gone
menu 40014
dialog "表示位置の設定"
expect-combo-text 40090 "Bottom"
click 2
expect-dialog-gone
menu 40012
dialog "文字色の設定"
combo 40066 1
expect-combo-text 40066 "赤"
combo 40066 2
expect-combo-text 40066 "緑"
combo 40066 3
expect-combo-text 40066 "黄"
combo 40066 4
expect-combo-text 40066 "青"
combo 40066 5
expect-combo-text 40066 "マゼンタ"
combo 40066 6
expect-combo-text 40066 "シアン"
combo 40081 4
click 2
expect-dialog-gone
menu 40004
save-dialog ${OUT}/groups.dat
expect-data-file ${OUT}/groups.dat display_position 16 1 scroll_speed 17 3 background_fill 24 1 char_level 17 0 char_color 17 6 border_color 24 4
STEPS
