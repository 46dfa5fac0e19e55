#!/usr/bin/env bash
# Data files travel between the two programs: a file with Japanese titles and varied
# values, written by kyz424lx, opens in kyz424 and is written back byte for byte; an
# edit made in kyz424's sheet opens in kyz424lx's dialog, and kyz424lx writes kyz424's
# file back byte for byte. kyz424's open and save dialogs add ".dat" to a plain name.
source "$(dirname "$0")/../harness.sh"
configure Interface=1
configure_mfc Interface=1
cp "$KYZ_SOURCE/tests/data/varied_lx.dat" "$OUT/varied.dat"

start_and_drive <<'STEPS'
menu 40002
open-dialog ${OUT}/varied.dat
menu 40004
save-dialog ${OUT}/by_lx.dat
expect-file-lines ${OUT}/by_lx.dat 531
STEPS
end_programs
cmp "$OUT/varied.dat" "$OUT/by_lx.dat"

start_mfc_and_drive <<'STEPS'
menu 32774
open-dialog ${OUT}/by_lx.dat Open
menu 32776
save-dialog ${OUT}/by_mfc "Save As"
expect-file-lines ${OUT}/by_mfc.dat 531
# Page 7 "文字色の設定" of the group "P17～24": page 20's character colour "マゼンタ".
menu 32771
dialog "File Name ${WOUT}\\by_mfc.dat"
sheet-page "文字色の設定"
combo 40043 2
expect-combo-text 40043 "P17～24"
combo 40069 5
expect-combo-text 40069 "マゼンタ"
dialog "File Name ${WOUT}\\by_mfc.dat"
click 1
expect-dialog-gone
menu 32776
save-dialog ${OUT}/edited.dat "Save As"
expect-file-lines ${OUT}/edited.dat 531
STEPS
end_programs
cmp "$OUT/by_lx.dat" "$OUT/by_mfc.dat"

start_and_drive <<'STEPS'
menu 40002
open-dialog ${OUT}/edited.dat
menu 40012
dialog "文字色の設定"
expect-combo 40043 0
combo 40043 2
expect-combo-text 40069 "マゼンタ"
click 2
expect-dialog-gone
menu 40004
save-dialog ${OUT}/edited_by_lx.dat
expect-file-lines ${OUT}/edited_by_lx.dat 531
STEPS
cmp "$OUT/edited.dat" "$OUT/edited_by_lx.dat"
# The one edit is the only difference from the file kyz424 opened.
[ "$(diff <(tr -d '\r' <"$OUT/by_lx.dat") <(tr -d '\r' <"$OUT/edited.dat") | grep -c '^>')" = 1 ]
sed -n '20p' "$OUT/edited.dat" | grep -qx $'5\r'
