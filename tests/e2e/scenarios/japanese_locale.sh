#!/usr/bin/env bash
# On a Japanese-locale Windows (code page 932) the program looks and works the same:
# the panel, and a data file whose name is Japanese, saved and read back by name, and
# shown on the panel.
# The picture is kept as out/japanese_locale/kyz424lx.png.
source "$(dirname "$0")/../harness.sh"
if ! locale -a | grep -qi '^ja_JP\.utf-\?8$'; then
  echo "SKIP: the ja_JP.UTF-8 locale is not installed (localedef -i ja_JP -f UTF-8 ja_JP.UTF-8)"
  exit 77
fi
export LC_ALL=ja_JP.UTF-8
configure Interface=1
start_and_drive <<'STEPS'
menu 40004
save-dialog ${OUT}/看板の設定.dat
expect-data-file ${OUT}/看板の設定.dat
menu 40001
menu 40002
open-dialog ${OUT}/看板の設定.dat
menu 40003
expect-no-box 1
# Opening the menu bar repaints the panel, which now names the file.
keys alt escape escape
sleep 300
expect-panel
expect-file-name shown
STEPS
[ -f "$OUT/看板の設定.dat" ] || { echo "no file named 看板の設定.dat"; exit 1; }
import -window root "$OUT/kyz424lx.png"
