#!/usr/bin/env bash
# Over RS-232C with a sign that never answers: one "No Connect", 3 to 3.5 s after the
# command went out, and no second one.
source "$(dirname "$0")/../harness.sh"
serial_rig
signsim_on_serial --silent
configure Interface=0
start_and_drive <<'STEPS'
menu 40049
dialog "文字レベルの設定"
click 40025
mark
expect-received ${RECEIVED} "PTWL"
# The watchdog gives up 3.0 to 3.5 s after the send; the driver sees the box up to
# 0.1 s later (Wine draws it, the driver looks every 20 ms).
expect-box-between 3.0 3.6 "No Connect" "Error" stop OK
expect-no-box 2.5
STEPS
