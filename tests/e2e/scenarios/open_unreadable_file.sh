#!/usr/bin/env bash
# Opening a file that cannot be read changes nothing: after a good file, a file of
# default settings with a word where line 100 needs a number shows "Can't read line
# 100"; Save then writes the good file's settings under the good file's name, and
# leaving asks nothing, since nothing is unsaved.
source "$(dirname "$0")/../harness.sh"
configure Interface=1
cp "$KYZ_SOURCE/tests/data/every_field_lx.dat" "$OUT/good.dat"
"$KYZ424CTL" new "$OUT/defaults.dat"
awk 'NR == 100 { print "fast\r"; next } { print }' "$OUT/defaults.dat" >"$OUT/bad.dat"
cp "$OUT/bad.dat" "$OUT/bad-before.dat"
start_and_drive <<'STEPS'
menu 40002
open-dialog ${OUT}/good.dat
menu 40002
open-dialog ${OUT}/bad.dat
expect-box "Can't read line 100" "Error" exclamation OK
STEPS
rm "$OUT/good.dat"
drive <<'STEPS'
wait-main-window
menu 40003
expect-file-lines ${OUT}/good.dat 531
menu 150
expect-no-box 2
expect-instances 0
STEPS
cmp "$KYZ_SOURCE/tests/data/every_field_lx.dat" "$OUT/good.dat"
cmp "$OUT/bad-before.dat" "$OUT/bad.dat"
