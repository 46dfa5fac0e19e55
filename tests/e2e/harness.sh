# Sourced by every scenario: a scratch folder, the program's configuration, the serial
# rig with signsim, the GUI driver, and a clean-up that leaves no program, simulator or
# pseudo-terminal behind.
set -euo pipefail

: "${KYZ_WINE_RUN:?}" "${KYZ_WINE_ROOT:?}" "${GUI_DRIVER:?}" "${KYZ424LX_EXE:?}" "${KYZ424_EXE:?}" "${KYZ_E2E_OUT:?}"
source "$KYZ_SOURCE/scripts/wine-vars.sh" "$KYZ_WINE_ROOT"
export KYZ424LX_EXE KYZ424_EXE

rm -rf "$KYZ_E2E_OUT"
mkdir -p "$KYZ_E2E_OUT"
OUT="$KYZ_E2E_OUT"
# The same folder as the programs name it (drive Z:, backslashes).
WOUT="Z:${OUT//\//\\}"
WINDOWS_DIR="$WINEPREFIX/drive_c/windows"
INI="$WINDOWS_DIR/kyz424lx.ini"
MFC_INI="$WINDOWS_DIR/KYZ424.INI"
COM1="$WINEPREFIX/dosdevices/com1"
SOCAT_PID=""
SIGNSIM_PID=""

cleanup() {
  "$KYZ_WINE_RUN" "$GUI_DRIVER" --kill-all >/dev/null 2>&1 || true
  # Wine before socat: the pty is the Wine server's controlling terminal.
  [ -n "$SIGNSIM_PID" ] && kill "$SIGNSIM_PID" 2>/dev/null && wait "$SIGNSIM_PID" 2>/dev/null
  [ -n "$SOCAT_PID" ] && kill "$SOCAT_PID" 2>/dev/null
  rm -f "$INI" "$MFC_INI" "$COM1"
  [ -n "$WINDOWS_VERSION_SET" ] && "$KYZ_WINE_RUN" winecfg -v win10 >/dev/null 2>&1
  return 0
}
trap cleanup EXIT
# A program left over by a test that was killed on its timeout would refuse our start.
"$KYZ_WINE_RUN" "$GUI_DRIVER" --kill-all >/dev/null 2>&1 || true

# configure KEY=VALUE...: kyz424lx's ini file in the Windows directory;
# configure_mfc KEY=VALUE...: kyz424's.
write_ini() {
  local file="$1" section="$2"
  shift 2
  {
    printf '[%s]\r\n' "$section"
    local pair
    for pair in "$@"; do printf '%s\r\n' "$pair"; done
  } >"$file"
}
configure() { write_ini "$INI" KYZ-424LX_Section "$@"; }
configure_mfc() { write_ini "$MFC_INI" KYZ-424_Section "$@"; }

# serial_rig: COM1 bound to a fresh pseudo-terminal pair (a pty accepts the line
# settings only once); $COM_SIGN is the sign's end.
serial_rig() {
  mkdir -p "$OUT/pty"
  socat pty,raw,echo=0,link="$OUT/pty/com_app" pty,raw,echo=0,link="$OUT/pty/com_sign" \
    </dev/null >/dev/null 2>"$OUT/pty/socat.err" &
  SOCAT_PID=$!
  local i
  for i in $(seq 1 100); do
    [ -e "$OUT/pty/com_app" ] && [ -e "$OUT/pty/com_sign" ] && break
    sleep 0.05
  done
  [ -e "$OUT/pty/com_app" ] || { echo "socat made no pty pair: $(cat "$OUT/pty/socat.err")"; exit 1; }
  rm -f "$COM1"
  ln -s "$OUT/pty/com_app" "$COM1"
  COM_SIGN="$OUT/pty/com_sign"
}

# signsim_on_serial [OPTIONS...]: signsim behind COM1; its exact received bytes go to
# $RECEIVED. Skips the test when signsim has not been built.
require_signsim() {
  if [ ! -x "${KYZ_SIGNSIM:-}" ]; then
    echo "SKIP: signsim is not built at '${KYZ_SIGNSIM:-}' (build the native tree first)"
    exit 77
  fi
}

# wait_for_file FILE: until FILE has content (10 s), or while $SIGNSIM_PID runs.
wait_for_file() {
  local i
  for i in $(seq 1 200); do
    [ -s "$1" ] && return 0
    [ -n "$SIGNSIM_PID" ] && ! kill -0 "$SIGNSIM_PID" 2>/dev/null && break
    sleep 0.05
  done
  echo "no $1: $(cat "$OUT"/signsim.out 2>/dev/null)"
  exit 1
}

signsim_on_serial() {
  require_signsim
  RECEIVED="$OUT/received.bin"
  : >"$RECEIVED"
  "$KYZ_SIGNSIM" --serial "$COM_SIGN" --log "$OUT/signsim.log" --raw-log "$RECEIVED" \
    --ready-file "$OUT/signsim.ready" "$@" >"$OUT/signsim.out" 2>&1 &
  SIGNSIM_PID=$!
  wait_for_file "$OUT/signsim.ready"
}

# signsim_on_tcp [OPTIONS...]: signsim as the sign's network adapter on a free port of
# 127.0.0.1, which it tells in $TCP_PORT; its log is $OUT/signsim.log.
signsim_on_tcp() {
  require_signsim
  "$KYZ_SIGNSIM" --tcp-listen 0 --port-file "$OUT/signsim.port" --log "$OUT/signsim.log" \
    "$@" >"$OUT/signsim.out" 2>&1 &
  SIGNSIM_PID=$!
  wait_for_file "$OUT/signsim.port"
  TCP_PORT="$(cat "$OUT/signsim.port")"
}

# stop_signsim: ends the signsim started last, so that another can take its place.
stop_signsim() {
  [ -n "$SIGNSIM_PID" ] || return 0
  kill "$SIGNSIM_PID" 2>/dev/null; wait "$SIGNSIM_PID" 2>/dev/null || true
  SIGNSIM_PID=""
}

# free_tcp_port: sets $TCP_PORT to a port of 127.0.0.1 that the system hands out as free.
free_tcp_port() {
  signsim_on_tcp
  stop_signsim
}

# signsim_adapters COUNT [OPTIONS...]: COUNT sign adapters that connect, one after
# another, to the program's server on $TCP_PORT once it listens (within a minute); their
# log, one channel "adapterK" each, is $OUT/adapters.log.
signsim_adapters() {
  require_signsim
  local count="$1"
  shift
  "$KYZ_SIGNSIM" --connect "127.0.0.1:$TCP_PORT" --adapters "$count" --connect-timeout-ms 60000 \
    --log "$OUT/adapters.log" "$@" >"$OUT/signsim.out" 2>&1 &
  SIGNSIM_PID=$!
}

# windows_version NAME: the Windows version Wine reports to programs started from now
# on (winecfg's names, e.g. winxp64); Windows 10 again when the scenario ends.
WINDOWS_VERSION_SET=""
windows_version() {
  "$KYZ_WINE_RUN" winecfg -v "$1" >/dev/null 2>&1
  WINDOWS_VERSION_SET=1
}

# title_command FORM PAGE TEXT: TEXT's JIS codes worked out by iconv (EUC-JP bytes less
# 0x80), padded with full-width spaces (2121) to 98 codes.
title_command() {
  local byte codes=""
  for byte in $(printf %s "$3" | iconv -f UTF-8 -t EUC-JP | od -An -v -tu1); do
    codes+=$(printf %02X $((byte - 128)))
  done
  while [ ${#codes} -lt 392 ]; do codes+=2121; done
  printf '%s%02d%s' "$1" "$2" "$codes"
}

# corner_clicks N: N right clicks in the screen's top-left corner (the maintenance
# shortcut's), one driver step a line.
corner_clicks() {
  local i
  for ((i = 0; i < $1; i++)); do echo "right-click 5 5"; done
}

# drive: runs the driver script given on standard input.
drive() {
  cat >"$OUT/steps.txt"
  export RECEIVED OUT WOUT
  "$KYZ_WINE_RUN" "$GUI_DRIVER" "$OUT/steps.txt"
}

# start_and_drive: starts the program, waits for its main window, then runs the driver
# steps given on standard input. start_mfc_and_drive: the same with kyz424.
start_and_drive() {
  drive < <(printf 'start\nwait-main-window\n'; cat)
}
start_mfc_and_drive() {
  drive < <(printf 'start ${KYZ424_EXE}\nwait-main-window\n'; cat)
}

# end_programs: ends every running kyz424lx and kyz424, between two parts of one scenario.
end_programs() {
  "$KYZ_WINE_RUN" "$GUI_DRIVER" --kill-all >/dev/null 2>&1 || true
}

# kyz424ctl, the command-line companion built in the native tree beside signsim: the
# exact commands of a data file and the read-back requests, to compare with what the
# sign received.
KYZ424CTL="$(dirname "${KYZ_SIGNSIM:-.}")/../kyz424ctl/kyz424ctl"

# expect_received_bytes FILE [OFFSET [more]]: waits up to 5 s until $RECEIVED, from byte
# OFFSET on (0 when left out), holds exactly the bytes of FILE, and fails showing both
# otherwise; with "more", further bytes may follow them (a run still going on).
expect_received_bytes() {
  local expected="$1" offset="${2:-0}" size i
  size=$(stat -c %s "$expected")
  for i in $(seq 1 100); do
    [ "$(stat -c %s "$RECEIVED")" -ge $((size + offset)) ] && break
    sleep 0.05
  done
  local got="$OUT/received-from-$offset.bin"
  if [ "${3:-}" = more ]; then
    tail -c +$((offset + 1)) "$RECEIVED" | head -c "$size" >"$got"
  else
    sleep 0.3  # anything sent after the expected bytes would be a fault too
    tail -c +$((offset + 1)) "$RECEIVED" >"$got"
  fi
  if ! cmp -s "$expected" "$got"; then
    echo "the sign received, from byte $offset:"
    tr '\r' ' ' <"$got" | cut -c1-80
    echo "expected:"
    tr '\r' ' ' <"$expected" | cut -c1-80
    return 1
  fi
}

# tcp_connect_steps: driver steps that connect to the sign at 127.0.0.1 through the
# TCP/IP client dialog (port_number from the configuration) and close the dialog.
tcp_connect_steps() {
  cat <<'STEPS'
menu 40008
dialog "TCP/IPの設定（Client）"
ip-address 1044 127.0.0.1
click 1005
expect-list 1045 "127 .000 .000 .001"
list-double-click 1045 0
click 1049
expect-box "Socket 接続 OK" "Success" none OK
click 1
expect-dialog-gone
STEPS
}

# read_back_expected ORIGINAL EXPECTED: the data file a read-back after New brings back
# from a sign given ORIGINAL: line 227, page_auto, back at New's 0 (the answer to "RP"
# is not decoded); lines 352-355 and 480-483, the 32nd schedule row's pages and hours,
# back at New's defaults (the schedule commands and replies carry 31 days).
read_back_expected() {
  awk 'NR == 227 { print "0\r"; next }
       NR >= 352 && NR <= 355 { print "33\r"; next }
       NR >= 480 && NR <= 483 { print 9 + 3 * (NR - 480) "\r"; next }
       { print }' "$1" >"$2"
}
