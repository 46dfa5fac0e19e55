#!/usr/bin/env bash
# kyz424ctl push and backup against fleets of simulated sign adapters: 96 adapters in
# server mode (and a 97th that is refused) all get the file and are all read back;
# three faulty adapters among 96 fail alone, each row saying how; client mode with a
# host that refuses.
#   kyz424ctl_fleet_test.sh SIGNSIM KYZ424CTL DATA_DIR FREE_PORT_SCRIPT
set -uo pipefail
source "$(dirname "$0")/kyz424ctl_sign_rig.sh"
free_port="$(absolute "$4")"
start_rig "$1" "$2" "$3"
write_sent_file sent.dat
"$ctl" commands sent.dat >preload.txt 2>/dev/null

# adapters DIR COUNT [SIGNSIM OPTIONS...]: COUNT adapters connecting to $port.
adapters() {
  local dir="$1" count="$2"
  shift 2
  mkdir -p "$dir"
  "$signsim" --connect "127.0.0.1:$port" --adapters "$count" --state-file "$dir/state" --log "$dir/sign.log" "$@" &
  sims+=($!)
}

# holding_the_file DIR FIRST LAST: how many of adapters FIRST..LAST of DIR hold sent.dat.
# A sign's state report is the same for the same settings, so each report is compared
# with one that is known to hold the file.
sign_on_tcp reference --factory-state preload.txt
stop_signs
held_as_file reference/state lx reference.dat
check "the reference sign holds the file" test "$(differing_lines sent.dat reference.dat)" = "$round_trip_changes"
holding_the_file() {
  local k good=0
  for k in $(seq "$2" "$3"); do cmp -s "$1/state.$k" reference/state && good=$((good + 1)); done
  echo "$good"
}

rows_done() { grep -cE '^ +[0-9]+ +127\.0\.0\.1 +52/52 +[0-9.]+ s  -$' "$1"; }

# Server mode: 96 adapters and one too many.
port="$(bash "$free_port")"
"$ctl" push sent.dat --listen "$port" --adapters 96 --pace answer >push.out 2>push.err &
ctl_pid=$!
adapters fleet 97
wait "$ctl_pid"
status=$?
check "push to 96: status 0" test "$status" -eq 0
check "push to 96: 96 rows answered 52/52 without error" test "$(rows_done push.out)" -eq 96
check "push to 96: the summary counts 96 completed, 0 failed" grep -q "96 adapters: 96 completed, 0 failed" push.out
check "push to 96: the 97th adapter is refused" grep -q "refused adapter 127.0.0.1: 96 already connected" push.err
stop_signs
check "push to 96: every adapter holds the file" test "$(holding_the_file fleet 1 96)" -eq 96
check "push to 96: the refused one does not" test "$(holding_the_file fleet 97 97)" -eq 0

# Server mode backup of 96 adapters that hold the file.
port="$(bash "$free_port")"
"$ctl" backup saved --listen "$port" --adapters 96 --pace answer >backup.out 2>&1 &
ctl_pid=$!
adapters preloaded 96 --factory-state preload.txt
wait "$ctl_pid"
status=$?
stop_signs
check "backup of 96: status 0, 96 rows of 54/54" test "$status" -eq 0 -a "$(grep -cE ' 54/54 +[0-9.]+ s  -$' backup.out)" -eq 96
same=0
for k in $(seq 96); do
  file="saved/$(printf '%02d' "$k")_127.0.0.1.dat"
  [ -f "$file" ] && [ "$(differing_lines sent.dat "$file")" = "$round_trip_changes" ] && same=$((same + 1))
done
check "backup of 96: one file per adapter, each the file read back" test "$same" -eq 96

# Three faulty adapters among 96: each fails alone and its row says how.
port="$(bash "$free_port")"
"$ctl" push sent.dat --listen "$port" --adapters 96 --pace answer --answer-timeout 1 >faulty.out 2>&1 &
ctl_pid=$!
adapters healthy 93
adapters error_reply 1 --error-reply E3 --on-command 10
adapters silent 1 --silent --on-command 20
adapters closing 1 --close-mid-answer --on-command 30
wait "$ctl_pid"
status=$?
stop_signs
check "faulty fleet: status 1" test "$status" -eq 1
check "faulty fleet: 93 rows complete" test "$(rows_done faulty.out)" -eq 93
check "faulty fleet: the error reply's row" grep -qE ' 9/52 +[0-9.]+ s  "CA10[^ ]* answered E3 \(Command Error\)' faulty.out
check "faulty fleet: the silent one's row" grep -qE ' 19/52 +[0-9.]+ s  no answer to "CA20' faulty.out
check "faulty fleet: the one that closed mid-answer" grep -qE ' 29/52 +[0-9.]+ s  the sign closed the connection in the middle' faulty.out
check "faulty fleet: the summary" grep -q "96 adapters: 93 completed, 3 failed" faulty.out
check "faulty fleet: the healthy 93 hold the file" test "$(holding_the_file healthy 1 93)" -eq 93

# Client mode: three adapters listening, one host refusing.
: >hosts.txt
for k in 1 2 3; do
  sign_on_tcp "client$k"
  echo "127.0.0.1:$port" >>hosts.txt
done
printf '# closed\n\n127.0.0.1:%s\n' "$(bash "$free_port")" >>hosts.txt
"$ctl" push sent.dat --hosts hosts.txt --pace answer >client.out 2>&1
status=$?
check "client mode: status 1 for the refusing host" test "$status" -eq 1
check "client mode: three rows complete" test "$(grep -cE '127\.0\.0\.1:[0-9]+ +52/52 +[0-9.]+ s  -$' client.out)" -eq 3
check "client mode: the fourth row says refused" grep -qE '^ +4 .* 0/52 +[0-9.]+ s  cannot connect to .*: refused' client.out
head -n 3 hosts.txt >reachable.txt
"$ctl" backup client_saved --hosts reachable.txt --pace answer >client_backup.out 2>&1
status=$?
files=(client_saved/0[123]_127.0.0.1_*.dat)
check "client mode: backup of three, status 0, three files" test "$status" -eq 0 -a "${#files[@]}" -eq 3
for k in 1 2 3; do
  held_as_file "client$k/state" lx "client$k/held.dat"
  check "client mode: adapter $k holds the file and its backup is what it holds" \
    cmp -s "client$k/held.dat" "${files[$((k - 1))]}"
done
stop_signs

if [ "$failures" -ne 0 ]; then
  for out in push.out push.err backup.out faulty.out client.out client_backup.out; do
    echo "--- $out"; grep -vE '/5[24] +[0-9.]+ s  -$' "$out" | head -n 12
  done
fi
echo "$failures failure(s)"
[ "$failures" -eq 0 ]
