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
work="$(mktemp -d /tmp/kyz-ctl-wine.XXXXXX)"
com1="$prefix/dosdevices/com1"
saved_com1="$(readlink "$com1" 2>/dev/null || true)"
socat_pid="" sim_pid=""
cleanup() {
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null
  if [ -n "$saved_com1" ]; then ln -sfn "$saved_com1" "$com1"; else rm -f "$com1"; fi
  [ -n "$socat_pid" ] && kill "$socat_pid" 2>/dev/null && wait "$socat_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
cd "$work" || exit 1
failures=0
check() {
  local name="$1"
  shift
  if "$@"; then echo "ok   $name"; else echo "FAIL $name"; failures=$((failures + 1)); fi
}

socat_pid="$(bash "$pty_pair" "$work/pty")" || exit 1
ln -sfn "$work/pty/com_app" "$com1"
"$signsim" --serial "$work/pty/com_sign" --tcp-listen 0 --port-file port --ready-file ready --log sign.log &
sim_pid=$!
for _ in $(seq 100); do [ -s ready ] && break; sleep 0.05; done
check "the sign comes up" test -s ready

sed -e '227s/.*/1\r/' -e '352,355s/.*/5\r/' -e '480,483s/.*/7\r/' "$data/varied_lx.dat" >sent.dat
"$wine_run" "$ctl_exe" send sent.dat --serial COM1 --pace answer >send.out 2>&1
check "send over COM1: status 0, 52 commands answered GO" grep -q "52 commands, each answered GO" send.out
"$wine_run" "$ctl_exe" read back.dat --tcp "127.0.0.1:$(cat port)" --pace answer >read.out 2>&1
check "read over TCP: status 0" grep -q "each answered" read.out
changed="$(paste -d '\t' sent.dat back.dat | awk -F '\t' '$1 != $2 { printf "%s%d", (n++ ? "," : ""), NR }')"
check "the file read back differs only in page Auto and day 32 ($changed)" \
  test "$changed" = "227,352,353,354,355,480,481,482,483"
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
  tail -n 20 sign.log
fi
echo "$failures failure(s)"
[ "$failures" -eq 0 ]
