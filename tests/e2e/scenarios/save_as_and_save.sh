#!/usr/bin/env bash
# Save As writes a complete data file; after an edit, Save writes the same file again
# without asking for a name.
source "$(dirname "$0")/../harness.sh"
configure Interface=1
start_and_drive <<'STEPS'
menu 40004
save-dialog ${OUT}/settings.dat
expect-file-lines ${OUT}/settings.dat 531
expect-data-file ${OUT}/settings.dat
# Page 3 to "約12秒".
menu 40011
dialog "スクロール・スピードの設定"
combo 40029 0
click 2
expect-dialog-gone
menu 40003
expect-no-dialog "ファイルの保存" 1
expect-data-file ${OUT}/settings.dat scroll_speed 3 0
STEPS
