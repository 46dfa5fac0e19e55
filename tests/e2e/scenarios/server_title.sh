#!/usr/bin/env bash
# In server mode the window's title says so right after start-up.
source "$(dirname "$0")/../harness.sh"
configure Interface=1 ClientServer=1
start_and_drive <<'STEPS'
expect-title "KYZ-424 Server Program"
STEPS
end_programs
configure Interface=1 ClientServer=0
start_and_drive <<'STEPS'
expect-title "KYZ-424 Client Program"
STEPS
