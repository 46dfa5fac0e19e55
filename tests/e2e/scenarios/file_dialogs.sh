#!/usr/bin/env bash
# The open and save dialogs start with an empty name and offer the data files first, then
# all files; cancelling either does nothing.
source "$(dirname "$0")/../harness.sh"
configure Interface=1
start_and_drive <<'STEPS'
menu 40004
expect-save-dialog "データ(*.dat)" "すべて(*.*)"
cancel-save-dialog
expect-no-box 1
menu 40002
expect-open-dialog "データ(*.dat)" "すべて(*.*)"
cancel-open-dialog
expect-no-box 1
menu 40003
expect-box "Don't file open" "Error" exclamation OK
STEPS
