#!/usr/bin/env bash
# The protocol against the sign simulator, which was written apart from the core:
# everything the all-items send transmits for a varied settings file is accepted ("GO"
# to every command), and reading the sign back with the read-back requests and applying
# the replies gives that same file again. Each program against a sign of its own.
#   kyz424ctl_signsim_test.sh SIGNSIM KYZ424CTL DATA_DIR
set -uo pipefail
source "$(dirname "$0")/kyz424ctl_sign_rig.sh"
start_rig "$1" "$2" "$3"

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
  if ! sign_on_tcp "$program" || [ -z "$port" ]; then
    check "$program: the simulator comes up" false
    stop_signs
    return
  fi
  cd "$program" || return 1

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
  stop_signs
  cd ..
}

round_trip lx default_lx.dat
round_trip mfc default_mfc.dat

echo "$failures failure(s)"
[ "$failures" -eq 0 ]
