#!/usr/bin/env bash
# A screenshot of the main window: the front panel's shapes and colours at known
# points of the client area (fonts differ between systems, so no picture comparison).
# The picture is kept as out/front_panel_screenshot/kyz424lx.png.
source "$(dirname "$0")/../harness.sh"
configure Interface=1
drive <<'STEPS'
start
wait-main-window
sleep 500
save-client-origin ${OUT}/origin.txt
STEPS
import -window root "$OUT/kyz424lx.png"
check_panel_pixels "$OUT/kyz424lx.png" "$OUT/origin.txt"
