#!/usr/bin/env bash
# Started with no display, bit-hydraulics says so in one line and ends with a non-zero status,
# without starting the GUI library.
set -uo pipefail
program=$1
errors=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>&1 >/dev/null)
status=$?
if [ "$status" -eq 0 ]; then
    echo "FAIL: exit status 0 without a display"
    exit 1
fi
lines=$(printf '%s\n' "$errors" | wc -l)
if [ "$lines" -ne 1 ] || ! grep -q "no display" <<<"$errors" || ! grep -q "xvfb-run" <<<"$errors"; then
    echo "FAIL: expected one line about the missing display, got:"
    printf '%s\n' "$errors"
    exit 1
fi
echo "PASS: $errors"
