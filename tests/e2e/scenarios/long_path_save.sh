#!/usr/bin/env bash
# A data file in a folder whose path is far longer than 63 bytes is written by Save As
# and written again by Save.
source "$(dirname "$0")/../harness.sh"
configure Interface=1
deep="$OUT/a-folder-with-a-rather-long-name-for-sign-settings/and-one-more-level-below-it"
mkdir -p "$deep"
export DEEP="$deep"
start_and_drive <<'STEPS'
menu 40004
save-dialog ${DEEP}/settings-of-the-sign-in-the-main-hall.dat
expect-data-file ${DEEP}/settings-of-the-sign-in-the-main-hall.dat
menu 40049
dialog "文字レベルの設定"
combo 40050 0
click 2
expect-dialog-gone
menu 40003
expect-no-dialog "ファイルの保存" 1
expect-data-file ${DEEP}/settings-of-the-sign-in-the-main-hall.dat char_level 1 0
STEPS
