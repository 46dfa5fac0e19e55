#!/usr/bin/env bash
# A second start is refused with a message and only the first instance keeps running;
# so is one of two starts at the same moment.
source "$(dirname "$0")/../harness.sh"
configure Interface=1
drive <<'STEPS'
start
wait-main-window
start
expect-box "２重に起動はできません" "KYZ-424LX" none OK
expect-exit 10 0
expect-running
expect-instances 1
STEPS
end_programs

drive <<'STEPS'
start
start
expect-box "２重に起動はできません" "KYZ-424LX" none OK
expect-ended 1 10
expect-no-box 1
expect-instances 1
STEPS
