#!/usr/bin/env bash
# Starts the real orvik-console in a virtual X server, waits until its main window is shown,
# asks it to close as a window manager does (WM_DELETE_WINDOW) and passes when the program then
# exits with status 0. The console's ports folder is a fresh, empty one.
#
# usage: console_start_test.sh CONSOLE CLOSE_WINDOW
set -euo pipefail
console=$1
closer=$2  # orvik_close_window
title='Административная консоль для ЭККР "Орвик"'

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ORVIK_PORTS_DIR=$work/ports
# The receipt journal goes to the run's own folder, never the user's.
export ORVIK_STATE_DIR=$work/state
mkdir -p -m 0700 "$ORVIK_PORTS_DIR"

status=0
# In Russian, the title looked for, whatever the machine's locale or a saved choice.
QT_QPA_PLATFORM=xcb timeout 90 xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    "$1" --lang ru &
    console_pid=$!
    if ! "$2" "$3" 60; then
        kill "$console_pid" 2>/dev/null
        wait "$console_pid" 2>/dev/null
        exit 11
    fi
    wait "$console_pid"
' _ "$console" "$closer" "$title" || status=$?
case $status in
    0) echo "orvik-console showed its window and exited cleanly on the close request" ;;
    11) echo "orvik-console showed no window titled $title" ;;
    *) echo "orvik-console exited with $status after the close request" ;;
esac
exit "$status"
