#!/usr/bin/env bash
# The README's run command as a new user meets it, headless: kyz424lx starts against the
# demo sign with no error box, the scroll-speed dialog's "設定" reaches the sign over
# COM1 and brings "設定完了", and the screenshot of the main window is saved. With
# --tcp, "接続" in the TCP/IP dialog connects to the demo sign at once.
set -euo pipefail
top="$(cd "$(dirname "$0")/../.." && pwd)"
out="$top/build/release-checks/run_command_demo"
rm -rf "$out" "$top/build/kyz424lx.png"
mkdir -p "$out"
cat >"$out/steps.txt" <<STEPS
expect-no-box 2
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
STEPS
env -u DISPLAY bash "$top/scripts/run" --tcp --drive "$out/tcp_steps.txt"
echo "run command with the demo sign: passed"
