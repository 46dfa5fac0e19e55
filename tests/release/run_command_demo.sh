#!/usr/bin/env bash
# The README's run command as a new user meets it, headless: kyz424lx starts against the
# demo sign with no error box; the read-back ("読み込み") brings the demo sign's values
# (those of docs/sample/sample.dat) into the dialogs; the scroll-speed dialog's "設定"
# reaches the sign over COM1 and brings "設定完了"; and the screenshot of the main window
# is saved. With --tcp, "接続" in the TCP/IP dialog connects to the demo sign at once and
# the read-back brings the same values over the network. With --program kyz424, a sheet
# page's "設定" reaches the demo sign over COM1 and brings "設定完了".
set -euo pipefail
# A command that stops the check says which one it was.
trap 'echo "${BASH_SOURCE[0]##*/}: line $LINENO failed: $BASH_COMMAND" >&2' ERR
top="$(cd "$(dirname "$0")/../.." && pwd)"
out="$top/build/release-checks/run_command_demo"
rm -rf "$out" "$top/build/kyz424lx.png" "$top/build/kyz424.png"
mkdir -p "$out"
# read_back_steps BOXES: the read-back, ended by BOXES "読み込み完了" boxes (over TCP/IP
# the last request is asked twice), then the sample's values in two dialogs: page 1's
# title, and pages 2 and 4 away from the default scroll speed (entry 2).
read_back_steps() {
  printf 'menu 40180\ndialog "設定項目の読み込み"\nclick 1005\n'
  for ((i = 0; i < $1; i++)); do printf 'expect-box "Success" "読み込み完了" none OK 25\n'; done
  cat <<'STEPS'
expect-dialog-gone
menu 40010
dialog "情報（タイトル）の設定"
expect-text 40022 "いらっしゃいませ"
click 2
expect-dialog-gone
menu 40011
dialog "スクロール・スピードの設定"
expect-combo 40028 3
expect-combo 40030 1
click 2
expect-dialog-gone
STEPS
}

cat >"$out/steps.txt" <<STEPS
expect-no-box 2
$(read_back_steps 1)
menu 40011
dialog "スクロール・スピードの設定"
click 40025
expect-received $top/build/run/sign/received.bin "PTSS"
expect-box "Success" "設定完了" none OK
click 2
expect-dialog-gone
STEPS
env -u DISPLAY bash "$top/scripts/run" --drive "$out/steps.txt"
[ -s "$top/build/kyz424lx.png" ] || { echo "no screenshot at build/kyz424lx.png"; exit 1; }
cp "$top/build/kyz424lx.png" "$out/"

cat >"$out/tcp_steps.txt" <<'STEPS'
expect-no-box 2
menu 40008
dialog "TCP/IPの設定（Client）"
click 1049
expect-box "Socket 接続 OK" "Success" none OK
click 1
expect-dialog-gone
STEPS
read_back_steps 2 >>"$out/tcp_steps.txt"
env -u DISPLAY bash "$top/scripts/run" --tcp --drive "$out/tcp_steps.txt"
cat >"$out/kyz424_steps.txt" <<STEPS
expect-no-box 2
menu 32771
dialog "File Name "
sheet-page "スクロール・スピードの設定"
click 40025
expect-received $top/build/run/sign/received.bin "PTSS"
expect-box "Success" "設定完了" none OK
dialog "File Name "
click 2
expect-dialog-gone
STEPS
env -u DISPLAY bash "$top/scripts/run" --program kyz424 --drive "$out/kyz424_steps.txt"
[ -s "$top/build/kyz424.png" ] || { echo "no screenshot at build/kyz424.png"; exit 1; }
cp "$top/build/kyz424.png" "$out/"
echo "run command with the demo sign: passed"
