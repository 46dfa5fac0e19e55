#!/usr/bin/env bash
# Ten right clicks in a row in the screen's top-left corner open the read-back dialog;
# a click elsewhere in between starts the count again.
source "$(dirname "$0")/../harness.sh"
configure Interface=1

start_and_drive <<STEPS
$(corner_clicks 9)
expect-no-dialog "設定項目の読み込み" 0.5
right-click 5 5
dialog "設定項目の読み込み"
click 2
expect-dialog-gone
# Nine, one elsewhere, one more: no dialog.
$(corner_clicks 9)
right-click 300 100
right-click 5 5
expect-no-dialog "設定項目の読み込み" 1
# That last click counts as the first of a new run: nine more complete it.
$(corner_clicks 8)
expect-no-dialog "設定項目の読み込み" 0.5
right-click 5 5
dialog "設定項目の読み込み"
click 2
expect-dialog-gone
STEPS
