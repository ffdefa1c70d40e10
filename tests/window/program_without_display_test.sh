#!/usr/bin/env bash
# Started with no display, or with one that cannot be opened (an X display with no server, a
# Wayland display with no compositor), bit-hydraulics says so in one line, naming the display,
# and ends with status 1.
set -uo pipefail
program=$1
failures=0

# expect_one_line DESCRIPTION PATTERN... -- ENV-ARGUMENTS...
expect_one_line() {
    local description=$1
    shift
    local patterns=()
    while [ "$1" != "--" ]; do
        patterns+=("$1")
        shift
    done
    shift
    local errors status lines
    errors=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$program" 2>&1 >/dev/null)
    status=$?
    lines=$(printf '%s\n' "$errors" | wc -l)
    local ok=1
    [ "$status" -eq 1 ] && [ "$lines" -eq 1 ] || ok=0
    for pattern in "${patterns[@]}"; do
        grep -qF -- "$pattern" <<<"$errors" || ok=0
    done
    if [ "$ok" -eq 1 ]; then
        echo "PASS ($description): $errors"
    else
        echo "FAIL ($description): status $status, expected 1 and one line with: ${patterns[*]}; got:"
        printf '%s\n' "$errors"
        failures=$((failures + 1))
    fi
}

# An X display number with no server behind it.
number=97
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
    number=$((number + 1))
done
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT

expect_one_line "no display" "no display" "xvfb-run" --
expect_one_line "X display without a server" "\":$number\"" "cannot be opened" "xvfb-run" -- \
    DISPLAY=":$number" XDG_RUNTIME_DIR="$runtime"
expect_one_line "Wayland display without a compositor" "\"bh-no-compositor\"" "cannot be opened" -- \
    WAYLAND_DISPLAY=bh-no-compositor XDG_RUNTIME_DIR="$runtime"
exit "$failures"
