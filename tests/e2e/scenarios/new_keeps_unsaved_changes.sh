#!/usr/bin/env bash
# New with unsaved changes, answered No, keeps the settings, their unsaved state and the
# file name: the exit afterwards still asks, and its save goes to the same file.
source "$(dirname "$0")/../harness.sh"
configure Interface=1
start_and_drive <<'STEPS'
menu 40004
save-dialog ${OUT}/kept.dat
menu 40011
dialog "スクロール・スピードの設定"
combo 40029 3
click 2
expect-dialog-gone
menu 40001
expect-box "データを保存せずに新規作成しますか？" "KYZ-424LX" question No
menu 40011
dialog "スクロール・スピードの設定"
expect-combo 40029 3
expect-combo-text 40029 "約 3秒"
click 2
expect-dialog-gone
menu 150
expect-box "データを保存せずに終了しますか？" "KYZ-424LX" question No
expect-exit 10 0
expect-data-file ${OUT}/kept.dat scroll_speed 3 3
STEPS
