#!/usr/bin/env bash
# A screenshot of the main window: the front panel's shapes and colours where its layout
# puts them (fonts differ between systems, so no picture comparison).
# The picture is kept as out/front_panel_screenshot/kyz424lx.png. The file name line
# is empty at start, names the file after Save As at the next repaint, and New empties
# it at once, to the window's edge for a path too long for the line.
source "$(dirname "$0")/../harness.sh"
configure Interface=1
start_and_drive <<'STEPS'
sleep 500
expect-panel
expect-file-name blank
STEPS
import -window root "$OUT/kyz424lx.png"

drive <<'STEPS'
wait-main-window
menu 40004
save-dialog ${OUT}/a-settings-file-whose-name-fills-the-panel-line.dat
expect-data-file ${OUT}/a-settings-file-whose-name-fills-the-panel-line.dat
# Opening the menu bar repaints the panel.
keys alt escape escape
sleep 300
expect-file-name shown tail
STEPS
import -window root "$OUT/saved.png"

# Nothing else repaints the panel after New here.
drive <<'STEPS'
wait-main-window
menu 40001
sleep 300
expect-file-name blank tail
STEPS
