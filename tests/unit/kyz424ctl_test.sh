#!/usr/bin/env bash
# kyz424ctl as operators and scripts use it: kyz424ctl_test.sh DATA_DIR CTL [RUNNER...]
# (RUNNER runs a Windows build under Wine). Checks the files and byte streams it
# produces against files written down from the data-file and command formats.
set -uo pipefail
data="$(cd "$1" && pwd)"
ctl="$(cd "$(dirname "$2")" && pwd)/$(basename "$2")"
shift 2
runner=("$@")
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0

ctl() { "${runner[@]}" "$ctl" "$@"; }
check() {  # check NAME COMMAND...: reports and counts a failing check
  local name="$1"
  shift
  if "$@"; then echo "ok   $name"; else echo "FAIL $name"; failures=$((failures + 1)); fi
}
same() { cmp "$1" "$2"; }
lines_of() { tr -d '\r' <"$1" | wc -l | tr -d ' '; }

# new: the file each program would save right after start-up.
ctl new lx.dat
check "new writes the kyz424lx start-up file" same lx.dat "$data/default_lx.dat"
ctl new --edition mfc mfc.dat
check "new --edition mfc keeps clock size and range at 0" same mfc.dat "$data/default_mfc.dat"

# commands: the all-items byte stream and nothing else on standard output.
ctl commands "$data/default_lx.dat" >lx.out 2>lx.err
check "commands exits 0" test $? -eq 0
check "commands gives the all-items stream of kyz424lx" same lx.out "$data/all_items_default_lx.txt"
ctl commands --edition mfc "$data/default_mfc.dat" >mfc.out
check "commands --edition mfc: SDPT before SDTT, RCA last" same mfc.out "$data/all_items_default_mfc.txt"

# A refused colour step and a refused title: left out, reported on standard error.
sed -e '32s/.*/8/' -e '64s/.*/8/' -e '488s/.*/A/' "$data/default_lx.dat" >refused.dat
ctl commands refused.dat >refused.out 2>refused.err
check "refusals still exit 0" test $? -eq 0
check "the colour refusal names its reason" grep -q "Miss! Can't Set" refused.err
check "the title refusal names its reason" grep -q "ＪＩＳ第１水準" refused.err
check "no PTIC and no title of page 3 are sent" test "$(grep -c -e '^PTIC' -e '^CA03' refused.out)" -eq 0
check "the other 50 commands are sent" test "$(lines_of refused.out)" -eq 50

# requests: the read-back requests in order.
ctl requests >serial.req
ctl requests --tcp >tcp.req
ctl requests --edition mfc --tcp >mfc.req
check "53 requests over RS-232C" test "$(lines_of serial.req)" -eq 53
check "the first request is RCA01" test "$(head -c 7 serial.req | od -An -c | tr -d ' \n')" = 'RCA01\r\n'
check "kyz424lx over TCP/IP asks RTSR twice at the end" \
  test "$(tail -n 2 tcp.req | tr -d '\r' | tr '\n' ' ')" = "RTSR RTSR "
check "kyz424 never repeats RTSR" same mfc.req serial.req

# apply: replies on standard input land in exactly their fields.
{
  printf 'GO\r\n'
  printf 'ADT123\r\n'
  printf 'PTSS%s\r\n' "11111111111111111111111111111111"
  printf 'CA052422'
  for _ in $(seq 97); do printf '2121'; done
  printf '\r\n'
  printf 'RCAAS02030405060708\r\n'
  printf 'P05\r\n'
} >replies.txt
ctl apply "$data/default_lx.dat" applied.dat <replies.txt >apply.out 2>apply.err
check "apply exits 0" test $? -eq 0
check "apply changes exactly the replied fields" same applied.dat "$data/apply_expected_lx.dat"
check "apply writes nothing on standard output" test ! -s apply.out

# Trouble: exit status 2 and a message.
ctl commands missing.dat >/dev/null 2>missing.err
check "a missing file exits 2" test $? -eq 2
check "a missing file is named" grep -q "missing.dat" missing.err
ctl frobnicate >/dev/null 2>bad.err
check "an unknown command exits 2" test $? -eq 2
ctl new --edition nt x.dat >/dev/null 2>/dev/null
check "an unknown edition exits 2" test $? -eq 2
printf '7\r\n7\r\nseven\r\n' >broken.dat
ctl commands broken.dat >broken.out 2>/dev/null
check "a data file with a bad value exits 2" test $? -eq 2
check "and sends nothing" test ! -s broken.out

echo "$failures failure(s)"
[ "$failures" -eq 0 ]
