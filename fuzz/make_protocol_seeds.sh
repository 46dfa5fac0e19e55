#!/usr/bin/env bash
# make_protocol_seeds.sh NATIVE_TREE: writes the seed corpora of the protocol fuzzers
# from our own tools: kyz424ctl's commands for a varied data file are loaded into the
# sign simulator, which then answers every read-back request of the tool, a setting
# command and a wrong command; its replies are the sign's side of the seeds.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
tools="$1/tools"
signsim="$tools/signsim/signsim" ctl="$tools/kyz424ctl/kyz424ctl"
corpus="$top/fuzz/corpus"
run="$(mktemp -d)"
trap 'kill "$sim" 2>/dev/null; wait "$sim" 2>/dev/null; rm -rf "$run"' EXIT

# The tool writes "ACA" with page 33 for "AS" where the sign takes only "RCA".
"$ctl" commands "$top/fuzz/corpus/data_file/varied.dat" 2>/dev/null | grep -v "^ACA33" >"$run/commands"
"$signsim" --tcp-listen 0 --port-file "$run/port" --factory-state "$run/commands" &
sim=$!
for _ in $(seq 100); do [ -s "$run/port" ] && break; sleep 0.05; done

# One request per connection write, each reply read back before the next request.
{ "$ctl" requests; printf 'PTSS11111111111111111111111111111111\r\nXYZ\r\n'; } |
  tr -d '\r' | while IFS= read -r request; do
    exec 3<>"/dev/tcp/127.0.0.1/$(cat "$run/port")"
    printf '%s\r\n' "$request" >&3
    IFS= read -r -t 5 reply <&3 || true
    exec 3>&-
    printf '%s\n' "$reply"
  done >"$run/replies"

mkdir -p "$corpus/serial_replies" "$corpus/socket_replies" "$corpus/title_decoder" \
         "$corpus/title_encoder"
# The whole read-back as the sign sends it, and a few single replies. The serial and
# socket harnesses take their read sizes from the end of the input: a trailing byte
# of 0 reads everything at once.
cp "$run/replies" "$corpus/serial_replies/readback.txt"
grep -v '^CA' "$run/replies" >"$corpus/socket_replies/settings_readback.txt"
printf 'GO\r\nE3\r\nGN\r\nMENU\r\n' >"$corpus/serial_replies/acknowledgements.txt"
printf 'GO\r\n' >"$corpus/socket_replies/go.txt"
grep '^CA01' "$run/replies" >"$corpus/socket_replies/title_reply.txt"
grep '^SDPT' "$run/replies" >"$corpus/serial_replies/schedule.txt"
# Title replies without their "CA", which the decoder harness puts in front.
for page in 01 02 04; do
  grep "^CA$page" "$run/replies" | tr -d '\r\n' | cut -c3- >"$corpus/title_decoder/page$page.txt"
done
# Titles as the data file holds them (double-byte Shift-JIS), behind the page byte.
sed -n '486,517p' "$top/fuzz/corpus/data_file/varied.dat" | tr -d '\r' | sort -u | head -n 4 |
  while IFS= read -r title; do
    name="$(printf '%s' "$title" | od -An -tx1 | tr -d ' \n' | cut -c1-16)"
    { printf '\x05'; printf '%s' "$title"; } >"$corpus/title_encoder/$name.txt"
  done
printf '\x85\xfa\x40\xfa\x5c\x82\xa0' >"$corpus/title_encoder/ibm_extension.txt"
