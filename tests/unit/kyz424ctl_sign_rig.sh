# Shared by the kyz424ctl scenarios against signsim (sourced): a scratch folder, the
# file the scenarios send, starting and stopping simulated signs, and comparing what a
# sign holds with a data file.
#   needs: $signsim, $ctl (absolute paths), $data, $work (scratch folder); start_rig
#   sets them all. sign_on_pty also needs $pty_pair.
sims=()
failures=0

absolute() { echo "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"; }

# start_rig SIGNSIM KYZ424CTL DATA_DIR: works in a fresh scratch folder, which goes with
# every sign still running when the script ends.
start_rig() {
  signsim="$(absolute "$1")"
  ctl="$(absolute "$2")"
  data="$(cd "$3" && pwd)"
  work="$(mktemp -d)"
  trap 'stop_signs; rm -rf "$work"' EXIT
  cd "$work" || exit 1
}

# write_sent_file OUT: the file the scenarios send: every field varied, page "Auto" on
# and a 32nd schedule day of its own, which the sign never receives (only 31 day rows
# are sent and read back, and the page number's read-back reply is not stored). Those
# are the lines a round trip through a sign changes:
round_trip_changes="227,352,353,354,355,480,481,482,483"
write_sent_file() {
  sed -e '227s/.*/1\r/' -e '352,355s/.*/5\r/' -e '480,483s/.*/7\r/' "$data/varied_lx.dat" >"$1"
}

check() {
  local name="$1"
  shift
  if "$@"; then echo "ok   $name"; else echo "FAIL $name"; failures=$((failures + 1)); fi
}

stop_signs() {
  local pid
  for pid in "${sims[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${sims[@]}"; do wait "$pid" 2>/dev/null; done
  sims=()
}

# Waits until FILE is non-empty (5 s at most).
wait_for() {
  local _
  for _ in $(seq 100); do [ -s "$1" ] && return 0; sleep 0.05; done
  return 1
}

# sign_on_tcp DIR [SIGNSIM OPTIONS...]: a sign listening on a free port in DIR; sets $port.
sign_on_tcp() {
  local dir="$1"
  shift
  mkdir -p "$dir"
  "$signsim" --tcp-listen 0 --port-file "$dir/port" --ready-file "$dir/ready" --state-file "$dir/state" \
    --log "$dir/sign.log" "$@" &
  sims+=($!)
  wait_for "$dir/ready" && port="$(cat "$dir/port")"
}

# sign_on_pty DIR [SIGNSIM OPTIONS...]: a sign on the far end of a fresh pty pair;
# the tool's end is DIR/pty/com_app.
sign_on_pty() {
  local dir="$1"
  shift
  mkdir -p "$dir"
  sims+=("$(bash "$pty_pair" "$dir/pty")")
  "$signsim" --serial "$dir/pty/com_sign" --ready-file "$dir/ready" --state-file "$dir/state" \
    --log "$dir/sign.log" "$@" &
  sims+=($!)
  wait_for "$dir/ready"
}

# held_as_file STATE EDITION OUT: what a sign's state report holds, as the data file a
# read-back of it makes (the report is one read-back reply per line).
held_as_file() {
  "$ctl" new --edition "$2" "$work/fresh_$2.dat" &&
    tr -d '\r' <"$1" | sed 's/$/\r/' | "$ctl" apply --edition "$2" "$work/fresh_$2.dat" "$3" 2>/dev/null
}

# differing_lines A B: the numbers of the lines where two data files differ, comma-separated.
differing_lines() {
  paste -d '\t' "$1" "$2" | awk -F '\t' '$1 != $2 { printf "%s%d", (n++ ? "," : ""), NR }'
}
