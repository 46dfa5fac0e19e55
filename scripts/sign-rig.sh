# Sourced by scripts/run and scripts/bench after wine-vars.sh: signsim as the sign that
# kyz424lx (or kyz424) talks to, and the program's configuration in the prefix's Windows
# directory.
#   $1  a scratch folder for the rig (pseudo-terminals, signsim's logs and files)
#   $2  the program: kyz424lx (the default) or kyz424
# The caller ends the Wine programs first, then calls rig_stop (the pty is the Wine
# server's controlling terminal).
RIG_DIR="$(mkdir -p "$1" && cd "$1" && pwd)"
RIG_TOP="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
SIGNSIM="$RIG_TOP/build/native/tools/signsim/signsim"
KYZ424CTL="$RIG_TOP/build/native/tools/kyz424ctl/kyz424ctl"
SAMPLE_DATA="$RIG_TOP/docs/sample/sample.dat"
# Each edition keeps its settings in its own ini, section and key names.
if [ "${2:-kyz424lx}" = kyz424 ]; then
  RIG_INI="$WINEPREFIX/drive_c/windows/KYZ424.INI"
  RIG_SECTION=KYZ-424_Section
  RIG_TCP_KEYS=(port_no select_no)
else
  RIG_INI="$WINEPREFIX/drive_c/windows/kyz424lx.ini"
  RIG_SECTION=KYZ-424LX_Section
  RIG_TCP_KEYS=(port_number select_number ClientServer=0)
fi
RIG_COM1="$WINEPREFIX/dosdevices/com1"
RIG_SIGNSIM_PID=""
RIG_SOCAT_PID=""
SIGN_PORT=""
RIG_CONFIGURED=""

# rig_configure KEY=VALUE...: the program's ini. The operator's own ini is set aside
# and put back by rig_stop.
rig_configure() {
  RIG_CONFIGURED=1
  if [ -f "$RIG_INI" ] && [ ! -f "$RIG_DIR/operator.ini" ]; then
    cp "$RIG_INI" "$RIG_DIR/operator.ini"
  fi
  {
    printf '[%s]\r\n' "$RIG_SECTION"
    local pair
    for pair in "$@"; do printf '%s\r\n' "$pair"; done
  } >"$RIG_INI"
}

# The demo sign holds the sample data file's settings: its commands are the sign's
# factory state, so a read-back brings them into the program.
rig_factory_state() {
  "$KYZ424CTL" commands "$SAMPLE_DATA" >"$RIG_DIR/factory.txt" 2>"$RIG_DIR/factory.err"
  echo "$RIG_DIR/factory.txt"
}

# rig_signsim_start [OPTIONS...]: starts signsim with its logs in the rig folder.
rig_signsim_start() {
  rm -f "$RIG_DIR/signsim.ready"
  : >"$RIG_DIR/received.bin"
  "$SIGNSIM" --log "$RIG_DIR/signsim.log" --raw-log "$RIG_DIR/received.bin" \
    --ready-file "$RIG_DIR/signsim.ready" "$@" >"$RIG_DIR/signsim.out" 2>&1 </dev/null &
  RIG_SIGNSIM_PID=$!
}

# rig_signsim [OPTIONS...]: starts signsim and waits until every channel is up (or
# signsim has ended).
rig_signsim() {
  rig_signsim_start "$@"
  local i
  for i in $(seq 1 200); do
    [ -s "$RIG_DIR/signsim.ready" ] && return 0
    kill -0 "$RIG_SIGNSIM_PID" 2>/dev/null || break
    sleep 0.05
  done
  echo "signsim did not get ready: $(cat "$RIG_DIR/signsim.out")" >&2
  return 1
}

# rig_serial [OPTIONS...]: COM1 bound to a fresh pseudo-terminal pair (a pty takes the
# line settings only once) with signsim on the far end.
rig_serial() {
  RIG_SOCAT_PID="$("$RIG_TOP/scripts/pty-pair" "$RIG_DIR/pty")"
  rm -f "$RIG_COM1"
  ln -s "$RIG_DIR/pty/com_app" "$RIG_COM1"
  rig_signsim --serial "$RIG_DIR/pty/com_sign" "$@"
}

# rig_tcp [OPTIONS...]: signsim as the sign's network adapter on a free port of
# 127.0.0.1; SIGN_PORT is that port.
rig_tcp() {
  rm -f "$RIG_DIR/port"
  rig_signsim --tcp-listen 0 --port-file "$RIG_DIR/port" "$@" || return 1
  SIGN_PORT="$(cat "$RIG_DIR/port")"
}

# rig_tcp_configure: the program as TCP client with the adapter as its only host.
rig_tcp_configure() {
  rig_configure Interface=1 "${RIG_TCP_KEYS[0]}=$SIGN_PORT" "${RIG_TCP_KEYS[1]}=0" \
    "${RIG_TCP_KEYS[@]:2}" list_count=1 ip00_0=127 ip00_1=0 ip00_2=0 ip00_3=1
}

# rig_adapters N PORT [OPTIONS...]: N signsim adapters that keep trying to connect to
# the program listening on PORT (they connect once its server is started).
rig_adapters() {
  local count="$1" port="$2"
  shift 2
  rig_signsim_start --connect "127.0.0.1:$port" --adapters "$count" \
    --connect-timeout-ms 3600000 "$@"
}

rig_stop() {
  if [ -n "$RIG_SIGNSIM_PID" ]; then
    kill "$RIG_SIGNSIM_PID" 2>/dev/null && wait "$RIG_SIGNSIM_PID" 2>/dev/null
    RIG_SIGNSIM_PID=""
  fi
  if [ -n "$RIG_SOCAT_PID" ]; then
    kill "$RIG_SOCAT_PID" 2>/dev/null
    RIG_SOCAT_PID=""
  fi
  [ -L "$RIG_COM1" ] && rm -f "$RIG_COM1"
  if [ -f "$RIG_DIR/operator.ini" ]; then
    mv "$RIG_DIR/operator.ini" "$RIG_INI"
  elif [ -n "$RIG_CONFIGURED" ]; then
    rm -f "$RIG_INI"
  fi
  RIG_CONFIGURED=""
  return 0
}
