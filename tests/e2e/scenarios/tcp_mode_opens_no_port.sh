#!/usr/bin/env bash
# In TCP/IP mode the program opens no serial port at start-up. COM1 names a device that
# cannot take serial settings (/dev/null), so opening it would be reported at once, as the second
# start in RS-232C mode shows.
source "$(dirname "$0")/../harness.sh"
rm -f "$COM1"
ln -s /dev/null "$COM1"
configure Interface=1
start_and_drive <<'STEPS'
expect-no-box 2
STEPS
end_programs
configure Interface=0
drive <<'STEPS'
start
expect-box "Miss! Mask Set" "Error" exclamation OK
STEPS
