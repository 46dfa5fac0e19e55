#!/usr/bin/env bash
# run_link_test.sh CASE WINE_RUN TEST_EXE SIGNSIM WINEPREFIX [MORE_CASES]
# Runs one link test case under Wine with the rig it needs, all of it fresh for this
# case and ended with it:
#   serial   a socat pseudo-terminal pair, COM1 of the prefix linked to one end and the
#            sign simulator on the other;
#   noport   COM1 linked to nothing;
#   tcp      the sign simulator as network adapter on a free port of 127.0.0.1;
#   refused  a free port with nothing listening;
#   server   the test listens on a free port, then simulator adapters connect to it;
#   none     nothing but the test.
# MORE_CASES: a file sourced for case names this table does not know; it sets the same
# variables, and for the server rig optionally sim_more, a second set of adapters that
# connects once the test writes KYZ_LINK_READY_MORE.
# Exits 77 (skipped) when the simulator or socat is missing.
set -u
case_name="$1" wine_run="$2" test_exe="$3" signsim="$4" prefix="$5" more_cases="${6:-}"
sim_more=""

# case: rig, test name, simulator arguments, time limit in seconds
case "$case_name" in
  serial_command)        rig=serial;  test=SerialLinkTest.CommandGoesOutExactlyAndItsGoIsHandled; sim=""; limit=60 ;;
  serial_split)          rig=serial;  test=SerialLinkTest.ReplyArrivingInPiecesIsHandledOnce; sim="--split 4 --split-pause-ms 200"; limit=60 ;;
  serial_two_replies)    rig=serial;  test=SerialLinkTest.TwoRepliesInOneReadBothReachTheHandler; sim="--error-reply E3 --answer-twice"; limit=60 ;;
  serial_silent)         rig=serial;  test=SerialLinkTest.SilentSignIsReportedOnceThreeSecondsAfterTheWrite; sim="--silent"; limit=60 ;;
  serial_reopen)         rig=serial;  test=SerialLinkTest.StoppedReaderReleasesThePortForAReopen; sim=""; limit=60 ;;
  serial_flood)          rig=serial;  test=SerialLinkTest.OverlongGarbageIsDroppedAndTheNextReplyStillArrives; sim="--flood-bytes 3000 --on-command 1"; limit=60 ;;
  serial_idle)           rig=serial;  test=SerialLinkTest.IdleReaderWaitsWithoutSpinning; sim=""; limit=60 ;;
  serial_no_port)        rig=noport;  test=SerialLinkTest.MissingPortIsReportedStepByStepAndTheProgramGoesOn; sim=""; limit=60 ;;
  serial_port_range)     rig=none;    test=SerialLinkTest.PortNumberOutsideComOneToSixIsAFailedOpen; sim=""; limit=60 ;;
  tcp_command)           rig=tcp;     test=TcpClientTest.CommandAndItsAnswerReachTheRegisteredWindow; sim=""; limit=60 ;;
  tcp_split)             rig=tcp;     test=TcpClientTest.AnswerInTwoPiecesIsCompletedByTheNextWait; sim="--split 2 --split-pause-ms 300 --delay-ms 300"; limit=60 ;;
  tcp_not_connected)     rig=tcp;     test=TcpClientTest.SendWhileNotConnectedWarnsAndNothingReachesTheWire; sim=""; limit=60 ;;
  tcp_close_during_wait) rig=tcp;     test=TcpClientTest.SignClosingDuringTheWaitDeliversAnEmptyAnswer; sim="--silent --close-mid-answer --delay-ms 300"; limit=60 ;;
  tcp_silent)            rig=tcp;     test=TcpClientTest.SilentSignEndsTheWaitAfterTheAttemptLimit; sim="--silent"; limit=400 ;;
  tcp_refused)           rig=refused; test=TcpClientTest.RefusedConnectIsAFailure; sim=""; limit=60 ;;
  tcp_no_destination)    rig=none;    test=TcpClientTest.SelectionOrPortThatNamesNoDestinationCannotConnect; sim=""; limit=60 ;;
  tcp_unknown_event)     rig=none;    test=TcpClientTest.UnknownNetworkEventIsReportedWithItsCode; sim=""; limit=60 ;;
  tcp_disconnect_idle)   rig=none;    test=TcpClientTest.DisconnectWhileNotConnectedDoesNothing; sim=""; limit=60 ;;
  server_three)          rig=server;  test=TcpServerTest.AdaptersAreListedInSlotOrderAndTheChosenRowGetsTheCommand; sim="--adapters 3 --adapter-tag"; limit=90 ;;
  server_full)           rig=server;  test=TcpServerTest.HoldsNinetySixAdaptersAndClosesTheNextAtOnce; sim="--adapters 97"; limit=120 ;;
  server_queued)         rig=server;  test=TcpServerTest.OneAcceptNotificationListsEveryWaitingAdapter; sim="--adapters 3"; limit=90 ;;
  server_destination_gone) rig=server; test=TcpServerTest.DestinationThatDisconnectedMakesTheNextSendFail; sim="--adapters 3 --adapter-tag --close-after 1 --fault-channel 2"; limit=90 ;;
  server_last_gone)      rig=server;  test=TcpServerTest.LastAdapterLeavingEmptiesTheListAndTheDestinationBox; sim="--adapters 1 --close-after 1"; limit=90 ;;
  server_bind_retry)     rig=refused; test=TcpServerTest.StartThatCouldNotBindIsRetriedOnAnotherPort; sim=""; limit=60 ;;
  *) if [ -n "$more_cases" ]; then
       # shellcheck disable=SC1090
       source "$more_cases"
     else
       echo "unknown case $case_name" >&2; exit 2
     fi ;;
esac

if [ "$rig" != none ] && [ "$rig" != noport ] && [ ! -x "$signsim" ]; then
  echo "SKIPPED: sign simulator not found at $signsim (build the native tree first)"
  exit 77
fi
if [ "$rig" = serial ] && ! command -v socat >/dev/null; then
  echo "SKIPPED: socat is not installed"
  exit 77
fi

run="$(mktemp -d /tmp/kyz-links.XXXXXX)"
com1="$prefix/dosdevices/com1"
saved_com1="$(readlink "$com1" 2>/dev/null || true)"
sim_pid="" socat_pid="" test_pid="" more_pid=""

cleanup() {
  # Wine programs end before the simulator, the simulator before socat.
  [ -n "$test_pid" ] && kill "$test_pid" 2>/dev/null && wait "$test_pid" 2>/dev/null
  if [ -n "$sim_pid" ]; then kill "$sim_pid" 2>/dev/null; wait "$sim_pid" 2>/dev/null; fi
  if [ -n "$more_pid" ]; then kill "$more_pid" 2>/dev/null; wait "$more_pid" 2>/dev/null; fi
  if [ "$rig" = serial ] || [ "$rig" = noport ]; then
    if [ -n "$saved_com1" ]; then ln -sfn "$saved_com1" "$com1"; else rm -f "$com1"; fi
  fi
  if [ -n "$socat_pid" ]; then kill "$socat_pid" 2>/dev/null; wait "$socat_pid" 2>/dev/null; fi
  rm -rf "$run"
}
trap cleanup EXIT

wait_for() {  # wait_for FILE SECONDS
  local i
  for i in $(seq 1 $(( $2 * 20 ))); do [ -s "$1" ] && return 0; sleep 0.05; done
  echo "timed out waiting for $1" >&2
  return 1
}

free_port() {  # a port the kernel hands out as free, released again at once
  "$signsim" --tcp-listen 0 --port-file "$run/free_port" >/dev/null 2>&1 &
  local pid=$!
  wait_for "$run/free_port" 10 || exit 1
  kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
  cat "$run/free_port"
}

export KYZ_LINK_LOG="$run/sign.log" KYZ_LINK_RAW_LOG="$run/raw.log" KYZ_LINK_READY="$run/ready"
export KYZ_LINK_READY_MORE="$run/ready_more"
logs=(--log "$run/sign.log" --raw-log "$run/raw.log")

case "$rig" in
  serial)
    socat pty,raw,echo=0,link="$run/com_app" pty,raw,echo=0,link="$run/com_sign" &
    socat_pid=$!
    for _ in $(seq 1 100); do [ -e "$run/com_app" ] && [ -e "$run/com_sign" ] && break; sleep 0.05; done
    ln -sfn "$run/com_app" "$com1"
    # shellcheck disable=SC2086
    "$signsim" --serial "$run/com_sign" "${logs[@]}" --ready-file "$run/sim_ready" $sim &
    sim_pid=$!
    wait_for "$run/sim_ready" 10 || exit 1
    ;;
  noport)
    # A dangling link would make Wine fall back to /dev/ttyS0, which may exist; a
    # folder is something no serial open can take.
    mkdir "$run/not_a_port"
    ln -sfn "$run/not_a_port" "$com1"
    ;;
  tcp)
    # shellcheck disable=SC2086
    "$signsim" --tcp-listen 0 --port-file "$run/port" "${logs[@]}" $sim &
    sim_pid=$!
    wait_for "$run/port" 10 || exit 1
    export KYZ_LINK_PORT="$(cat "$run/port")"
    ;;
  refused|server)
    export KYZ_LINK_PORT="$(free_port)"
    ;;
esac

timeout "$limit" "$wine_run" "$test_exe" --gtest_filter="$test" >"$run/test.out" 2>&1 &
test_pid=$!
if [ "$rig" = server ]; then
  if wait_for "$run/ready" 30; then
    # shellcheck disable=SC2086
    "$signsim" --connect "127.0.0.1:$KYZ_LINK_PORT" "${logs[@]}" $sim &
    sim_pid=$!
  fi
  if [ -n "$sim_more" ]; then
    # shellcheck disable=SC2086
    ( wait_for "$run/ready_more" "$limit" 2>/dev/null &&
        exec "$signsim" --connect "127.0.0.1:$KYZ_LINK_PORT" "${logs[@]}" $sim_more ) &
    more_pid=$!
  fi
fi
wait "$test_pid"
status=$?
test_pid=""
tr -d '\r' <"$run/test.out"
if [ "$status" -eq 0 ] && ! grep -q "PASSED  \] 1 test" "$run/test.out"; then
  echo "the case ran no test" >&2
  status=1
fi
if [ "$status" -ne 0 ] && [ -f "$run/sign.log" ]; then
  echo "--- sign simulator log"
  tail -n 40 "$run/sign.log"
fi
exit "$status"
