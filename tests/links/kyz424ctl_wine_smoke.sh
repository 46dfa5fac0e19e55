#!/usr/bin/env bash
# kyz424ctl.exe under Wine against one simulated sign reached two ways at once: the
# data file sent over COM1 (a pty pair), read back over loopback TCP; what comes back
# differs from what was sent only where the programs' round trip differs. A COM port
# that does not exist is reported. Three adapters connect to it in server mode.
#   kyz424ctl_wine_smoke.sh WINE_RUN KYZ424CTL_EXE SIGNSIM WINEPREFIX DATA_DIR PTY_PAIR
set -uo pipefail
wine_run="$1" ctl_exe="$2" signsim="$3" prefix="$4" data="$(cd "$5" && pwd)" pty_pair="$6"
if [ ! -x "$signsim" ] || ! command -v socat >/dev/null; then
  echo "SKIPPED: needs the native sign simulator and socat"
  exit 77
fi
source "$(dirname "$0")/../unit/kyz424ctl_sign_rig.sh"
work="$(mktemp -d /tmp/kyz-ctl-wine.XXXXXX)"
com1="$prefix/dosdevices/com1"
saved_com1="$(readlink "$com1" 2>/dev/null || true)"
restore_com1() {
  if [ -n "$saved_com1" ]; then ln -sfn "$saved_com1" "$com1"; else rm -f "$com1"; fi
}
trap 'restore_com1; stop_signs; rm -rf "$work"' EXIT
cd "$work" || exit 1

sign_on_pty sign --tcp-listen 0 --port-file sign/port
ln -sfn "$work/sign/pty/com_app" "$com1"
check "the sign comes up" test -s sign/ready

write_sent_file sent.dat
"$wine_run" "$ctl_exe" send sent.dat --serial COM1 --pace answer >send.out 2>&1
check "send over COM1: status 0, 52 commands answered GO" grep -q "52 commands, each answered GO" send.out
"$wine_run" "$ctl_exe" read back.dat --tcp "127.0.0.1:$(cat sign/port)" --pace answer >read.out 2>&1
check "read over TCP: status 0" grep -q "each answered" read.out
changed="$(differing_lines sent.dat back.dat)"
check "the file read back differs only in page Auto and day 32 ($changed)" test "$changed" = "$round_trip_changes"
"$wine_run" "$ctl_exe" send sent.dat --serial COM9 >no_port.out 2>&1
status=$?
check "a COM port that does not exist: status 1 and a message" test "$status" -eq 1
grep -q "COM9: does not exist" no_port.out || { echo "     said: $(cat no_port.out)"; failures=$((failures + 1)); }

# Server mode: three adapters connect to kyz424ctl.exe and all get the file.
port="$(bash "$(dirname "$pty_pair")/free-port")"
"$wine_run" "$ctl_exe" push sent.dat --listen "$port" --adapters 3 --pace answer --timeout 60 >push.out 2>&1 &
push_pid=$!
"$signsim" --connect "127.0.0.1:$port" --adapters 3 --connect-timeout-ms 60000 --log adapters.log
wait "$push_pid"
status=$?
check "push to three adapters in server mode: status 0, three rows of 52/52" \
  test "$status" -eq 0 -a "$(grep -c ' 52/52 ' push.out)" -eq 3

if [ "$failures" -ne 0 ]; then
  cat send.out read.out push.out
  tail -n 20 sign/sign.log
fi
echo "$failures failure(s)"
[ "$failures" -eq 0 ]
