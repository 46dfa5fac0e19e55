#!/usr/bin/env bash
# Save right after start-up has no file to write to and says so.
source "$(dirname "$0")/../harness.sh"
configure Interface=1
start_and_drive <<'STEPS'
menu 40003
expect-box "Don't file open" "Error" exclamation OK
STEPS
