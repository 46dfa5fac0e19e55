#!/usr/bin/env bash
# Closing the window with unsaved changes and no file, answered No, asks for a name,
# writes the file and ends; with the save dialog cancelled it ends without writing. New
# without changes resets at once, without a question.
source "$(dirname "$0")/../harness.sh"
configure Interface=1
start_and_drive <<'STEPS'
menu 40001
expect-no-box 1
menu 40013
dialog "背景色ベタ塗りの設定"
combo 40058 1
click 2
expect-dialog-gone
close-main-window
expect-box "データを保存せずに終了しますか？" "KYZ-424LX" question No
save-dialog ${OUT}/at-exit.dat
expect-exit 10 0
expect-file-lines ${OUT}/at-exit.dat 531
expect-data-file ${OUT}/at-exit.dat background_fill 1 1
STEPS

# The same exit with the save dialog cancelled: the program still ends, and writes nothing.
start_and_drive <<'STEPS'
menu 40013
dialog "背景色ベタ塗りの設定"
combo 40059 1
click 2
expect-dialog-gone
close-main-window
expect-box "データを保存せずに終了しますか？" "KYZ-424LX" question No
cancel-save-dialog
expect-exit 10 0
STEPS
[ "$(ls "$OUT"/*.dat)" = "$OUT/at-exit.dat" ] || { echo "a file was written: $(ls "$OUT")"; exit 1; }
