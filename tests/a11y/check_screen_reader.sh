#!/usr/bin/env bash
# Starts the real program under Xvfb on a private session bus with the accessibility bus turned
# on, as it is when a screen reader runs, and reads it through AT-SPI (read_tree.py).
#   check_screen_reader.sh PROGRAM
set -euo pipefail
if [[ -z "${VESMAROT_A11Y_INNER:-}" ]]; then
    export VESMAROT_A11Y_INNER=1
    exec dbus-run-session -- "$0" "$@"
fi
program=$1
here=$(dirname "$0")
pids=()
cleanup() { for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done; }
trap cleanup EXIT

source "$(dirname "$0")/../../scripts/xvfb.sh"
start_xvfb

# What a screen reader does when it starts: ask the accessibility bus to be on.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
    variant:boolean:true >/dev/null

env -u QT_QPA_PLATFORM LANG=C.UTF-8 "$program" >/dev/null 2>&1 &
pids+=($!)
/usr/bin/python3 "$here/read_tree.py"
