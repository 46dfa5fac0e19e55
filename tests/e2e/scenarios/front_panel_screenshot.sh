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
read -r ox oy <"$OUT/origin.txt"

failures=0
# expect_pixel X Y R G B WHAT: the colour at client position (X, Y).
expect_pixel() {
  local got
  got="$(convert "$OUT/kyz424lx.png" -format "%[fx:int(255*p{$(($1 + ox)),$(($2 + oy))}.r)],%[fx:int(255*p{$(($1 + ox)),$(($2 + oy))}.g)],%[fx:int(255*p{$(($1 + ox)),$(($2 + oy))}.b)]" info:)"
  if [ "$got" != "$3,$4,$5" ]; then
    echo "at ($1, $2), $6: got $got, expected $3,$4,$5"
    failures=$((failures + 1))
  fi
}
expect_pixel 300 10 255 255 204 "panel face"
expect_pixel 10 120 255 255 204 "panel face, lower left"
expect_pixel 629 131 255 255 204 "panel face's last corner"
expect_pixel 300 24 80 80 80 "rule under the name plate"
expect_pixel 590 24 80 80 80 "rule right of POWER"
expect_pixel 516 24 255 255 204 "gap in the rule before POWER"
expect_pixel 488 62 0 0 0 "power switch body"
expect_pixel 507 112 0 0 0 "power switch body, lower part"
expect_pixel 520 80 34 34 34 "switch frame, left bar"
expect_pixel 560 80 34 34 34 "switch frame, right bar"
expect_pixel 90 85 34 34 34 "first key cap"
expect_pixel 285 85 34 34 34 "sixth key cap"
expect_pixel 110 85 255 255 204 "gap between key caps"
expect_pixel 90 140 34 34 34 "left foot"
expect_pixel 540 140 34 34 34 "right foot"
expect_pixel 500 70 0 255 0 "first green stripe"
expect_pixel 500 85 0 255 0 "last green stripe"
expect_pixel 300 145 255 255 255 "window background below the panel"
exit $((failures > 0))
