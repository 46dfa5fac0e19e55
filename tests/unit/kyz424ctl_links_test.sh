#!/usr/bin/env bash
# kyz424ctl send and read against the sign simulator, over loopback TCP and over a
# pseudo-terminal pair: what the sign holds after a send is the file; a read of a
# preloaded sign is what it holds; the round trip changes only what the programs' own
# round trip changes. Then one table of sign faults against both commands, and the
# bad inputs that must end with a message and no file.
#   kyz424ctl_links_test.sh SIGNSIM KYZ424CTL DATA_DIR PTY_PAIR_SCRIPT
set -uo pipefail
source "$(dirname "$0")/kyz424ctl_sign_rig.sh"
pty_pair="$(absolute "$4")"
start_rig "$1" "$2" "$3"
write_sent_file sent.dat

# scenario NAME EDITION LINK_KIND: send to a fresh sign, check what it holds, read it back.
scenario() {
  local name="$1" edition="$2" kind="$3" link
  if [ "$kind" = tcp ]; then
    sign_on_tcp "$name" && link=(--tcp "127.0.0.1:$port")
  else
    sign_on_pty "$name" && link=(--serial "$name/pty/com_app")
  fi
  check "$name: the sign comes up" test -s "$name/ready"
  "$ctl" send sent.dat "${link[@]}" --edition "$edition" --pace answer >"$name/send.out" 2>&1
  check "$name: send succeeds, every command answered GO" grep -q "52 commands, each answered GO" "$name/send.out"
  held_as_file "$name/state" "$edition" "$name/held.dat"
  check "$name: the sign holds every field of the file" test "$(differing_lines sent.dat "$name/held.dat")" = "$round_trip_changes"
  check "$name: the page number went as \"PAS\"" grep -qx "PAS" "$name/state"
  "$ctl" read "$name/back.dat" "${link[@]}" --edition "$edition" --pace answer >"$name/read.out" 2>&1
  check "$name: read succeeds" grep -q "each answered" "$name/read.out"
  check "$name: the file read is what the sign holds" cmp -s "$name/back.dat" "$name/held.dat"
  check "$name: the round trip changes only page Auto and day 32" \
    test "$(differing_lines sent.dat "$name/back.dat")" = "$round_trip_changes"
  stop_signs
}
scenario tcp_lx lx tcp
scenario serial_mfc mfc pty

# A sign preloaded with the file (its factory state).
"$ctl" commands sent.dat >preload.txt 2>/dev/null
sign_on_tcp preloaded --factory-state preload.txt
"$ctl" read preloaded/back.dat --tcp "127.0.0.1:$port" --pace answer >preloaded/read.out 2>&1
held_as_file preloaded/state lx preloaded/held.dat
check "preloaded: read gives what the sign holds" cmp -s preloaded/back.dat preloaded/held.dat
stop_signs

# The programs' schedule: never faster than a title every 500 ms, a read-back request
# every 300 ms (the sign stops each run early with an error reply).
# schedule_run NAME COMMAND FAULTY_COMMAND LEAST_MS
schedule_run() {
  local start took_ms
  sign_on_tcp "$1" --error-reply E3 --on-command "$3"
  start=$(date +%s%N)
  # shellcheck disable=SC2086
  "$ctl" $2 --tcp "127.0.0.1:$port" >/dev/null 2>&1
  took_ms=$((($(date +%s%N) - start) / 1000000))
  check "$1: $(($3 - 1)) gaps take at least $4 ms (${took_ms} ms)" test "$took_ms" -ge "$4"
  stop_signs
}
schedule_run schedule_send "send sent.dat" 3 1000
schedule_run schedule_read "read paced.dat" 6 1500

# Faults: signsim options | what the report must say. Each against send and read,
# command 5 being the faulty one; the read's output file must stay as it was.
faults=(
  "--error-reply E3|answered E3 (Command Error)"
  "--error-reply MENU|answered MENU (Menu Display)"
  "--error-reply HELLO|answered something else: \"HELLO\""
  "--silent|no answer to"
  "--close-mid-answer|closed the connection in the middle of the answer"
  "--flood-bytes 5000|more than 1024 bytes without a line end"
  "--answer-twice|when no answer was due"
)
n=0
for row in "${faults[@]}"; do
  options="${row%%|*}" expected="${row#*|}"
  n=$((n + 1))
  # shellcheck disable=SC2086
  sign_on_tcp "fault$n" $options --on-command 5
  "$ctl" send sent.dat --tcp "127.0.0.1:$port" --pace answer --answer-timeout 0.5 >"fault$n/send.out" 2>&1
  status=$?
  check "$options: send fails with status 1" test "$status" -eq 1
  check "$options: send names the fault and its command" grep -qF "\"CA05" "fault$n/send.out"
  check "$options: ... $expected" grep -qF "$expected" "fault$n/send.out"
  echo "kept" >"fault$n/out.dat"
  "$ctl" read "fault$n/out.dat" --tcp "127.0.0.1:$port" --pace answer --answer-timeout 0.5 >"fault$n/read.out" 2>&1
  status=$?
  check "$options: read fails with status 1, reports what was not read" grep -qF "not read: RCA0" "fault$n/read.out"
  check "$options: the output file is untouched" test "$status" -eq 1 -a "$(cat "fault$n/out.dat")" = kept
  stop_signs
done

# The serial line: a silent sign is given the whole answer timeout (how soon after it
# the send gives up is a figure of scripts/bench-fleet, not a check here).
sign_on_pty silent_serial --silent --on-command 3
start=$(date +%s%N)
"$ctl" send sent.dat --serial silent_serial/pty/com_app --pace answer --answer-timeout 1 >silent_serial/out 2>&1
took_ms=$((($(date +%s%N) - start) / 1000000))
check "serial, silent sign: no answer to the third command" grep -q 'no answer to "CA03' silent_serial/out
check "serial, silent sign: not given up before 1 s (${took_ms} ms)" test "$took_ms" -ge 1000
# A port another program holds is busy.
flock silent_serial/pty/com_app -c 'echo held >held; exec sleep 30' &
holder=$!
wait_for held
"$ctl" read busy.dat --serial silent_serial/pty/com_app >busy.out 2>&1
status=$?
for pid in $(ps -o pid= --ppid "$holder") "$holder"; do kill "$pid" 2>/dev/null; done
wait "$holder" 2>/dev/null
check "serial: a busy port is reported" test "$status" -eq 1 -a ! -e busy.dat
check "serial: ... as in use" grep -q "is in use" busy.out
stop_signs

# Bad input: message, status, no file and no crash.
printf '7\r\n7\r\nseven\r\n' >damaged.dat
head -n 300 sent.dat >short.dat
bad_input=(
  "2|cannot read|send missing.dat --tcp 127.0.0.1:9"
  "2|line 3 is not a value|send damaged.dat --tcp 127.0.0.1:9"
  "2|300 of 531 values|send short.dat --tcp 127.0.0.1:9"
  "1|does not exist|read new.dat --serial $work/no_such_port"
  "1|is not a serial port|read new.dat --serial $work/sent.dat"
  "1|refused|read new.dat --tcp 127.0.0.1:$(bash "$(dirname "$pty_pair")/free-port")"
  "2|--tcp needs HOST:PORT|read new.dat --tcp localhost"
)
for row in "${bad_input[@]}"; do
  IFS='|' read -r want expected args <<<"$row"
  # shellcheck disable=SC2086
  "$ctl" $args >bad.out 2>&1
  status=$?
  check "$args: status $want, \"$expected\"" test "$status" -eq "$want" -a ! -e new.dat
  grep -qF -e "$expected" bad.out || { echo "     said: $(cat bad.out)"; failures=$((failures + 1)); }
done

if [ "$failures" -ne 0 ]; then
  for log in */sign.log; do echo "--- $log"; tail -n 5 "$log"; done
fi
echo "$failures failure(s)"
[ "$failures" -eq 0 ]
