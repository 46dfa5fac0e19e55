#!/usr/bin/env bash
# A name typed without an extension in the save dialog is used as typed: no ".dat" is
# added, and Open reads that file back by the same name.
source "$(dirname "$0")/../harness.sh"
configure Interface=1
start_and_drive <<'STEPS'
menu 40014
dialog "表示位置の設定"
combo 40091 1
click 2
expect-dialog-gone
menu 40004
save-dialog ${OUT}/hall-sign
expect-data-file ${OUT}/hall-sign display_position 2 1
expect-no-file ${OUT}/hall-sign.dat
menu 40001
menu 40002
open-dialog ${OUT}/hall-sign
menu 40014
dialog "表示位置の設定"
expect-combo 40091 1
click 2
expect-dialog-gone
STEPS
