#!/usr/bin/env bash
# The protocol against the sign simulator, which was written apart from the core:
# everything the all-items send transmits for a varied settings file is accepted ("GO"
# to every command), and reading the sign back with the read-back requests and applying
# the replies gives that same file again. Each program against a sign of its own.
#   kyz424ctl_signsim_test.sh SIGNSIM KYZ424CTL DATA_DIR
set -uo pipefail
signsim="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
ctl="$(cd "$(dirname "$2")" && pwd)/$(basename "$2")"
data="$(cd "$3" && pwd)"
work="$(mktemp -d)"
sim_pid=""
cleanup() {
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null
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

# Sends each CR LF line of FILE and waits for its one reply line; replies to stdout.
exchange() {
  local line reply
  exec 3<>"/dev/tcp/127.0.0.1/$port" || return 1
  while IFS= read -r line; do
    printf '%s\n' "$line" >&3
    IFS= read -r -t 5 reply <&3 || { echo "no reply to ${line:0:12}" >&2; exec 3<&-; return 1; }
    printf '%s\n' "$reply"
  done <"$1"
  exec 3<&-
}

# One program against a fresh sign: EDITION and the file that program starts from.
round_trip() {
  local program="$1" start="$2"
  mkdir "$program" && cd "$program" || return 1
  "$signsim" --tcp-listen 0 --port-file port --ready-file ready --log sign.log &
  sim_pid=$!
  for _ in $(seq 100); do [ -s ready ] && break; sleep 0.05; done
  if [ ! -s ready ] || [ ! -s port ]; then
    check "$program: the simulator comes up" false
    cd ..
    return
  fi
  port="$(cat port)"

  "$ctl" commands --edition "$program" "$data/varied_lx.dat" >commands.txt
  exchange commands.txt >answers.txt
  check "$program: 52 commands sent" test "$(wc -l <commands.txt)" -eq 52
  check "$program: the sign accepts every one" test "$(grep -c $'^GO\r$' answers.txt)" -eq 52

  "$ctl" requests --edition "$program" >requests.txt
  exchange requests.txt >replies.txt
  check "$program: 53 replies read back" test "$(wc -l <replies.txt)" -eq 53
  "$ctl" apply --edition "$program" "$data/$start" readback.dat <replies.txt 2>apply.err
  check "$program: the read-back settings equal the ones sent" cmp readback.dat "$data/varied_lx.dat"
  check "$program: the last reply was announced" grep -q "読み込み完了" apply.err

  if [ "$failures" -ne 0 ]; then
    echo "--- simulator log ($program)"
    tail -n 40 sign.log
  fi
  kill "$sim_pid" 2>/dev/null
  wait "$sim_pid" 2>/dev/null
  sim_pid=""
  cd ..
}

round_trip lx default_lx.dat
round_trip mfc default_mfc.dat

echo "$failures failure(s)"
[ "$failures" -eq 0 ]
