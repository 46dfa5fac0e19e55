#!/usr/bin/env bash
# The group chosen in one page-group dialog is the group the next one opens on; a row-8
# edit lands on the last page of the group shown; switching groups back and forth shows
# what was chosen.
source "$(dirname "$0")/../harness.sh"
configure Interface=1
drive <<'STEPS'
start
wait-main-window
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
menu 40004
save-dialog ${OUT}/groups.dat
expect-data-file ${OUT}/groups.dat display_position 16 1
STEPS
