#!/usr/bin/env bash
# Runs the profile writer under Wine, then reads the ini files it left in the prefix's
# Windows directory from Linux and compares them byte for byte.
set -euo pipefail
wine_run="$1" writer="$2" prefix="$3" expected="$4"
"$wine_run" "$writer"
status=0
for name in kyz424lx.ini KYZ424.INI; do
  actual="$prefix/drive_c/windows/$name"
  if ! cmp -s "$actual" "$expected/expected_$name"; then
    echo "$name differs from expected_$name:"
    od -c "$actual" | head -40
    status=1
  fi
  rm -f "$actual"  # leave the prefix without a configuration for the next test
done
exit $status
