#!/usr/bin/env bash
# Starts the console's window (orvik-console-driver, the test-only program built from the same
# application library as orvik-console) in a virtual X server against a simulated register on a
# port of a ports folder of its own, and lets it connect and disconnect (its
# ORVIK_CONSOLE_SMOKE_TEST variable). Passes when it exits 0.
#
# usage: console_smoke_test.sh DRIVER SIMULATOR PASSWORD
set -euo pipefail
console=$1
register=$2  # orvik-sim
password=$3
port=COM5

work=$(mktemp -d)
export ORVIK_PORTS_DIR=$work/ports
# The receipt journal goes to the run's own folder, never the user's.
export ORVIK_STATE_DIR=$work/state
mkdir -p -m 0700 "$ORVIK_PORTS_DIR"
"$register" --port "$port" --password "$password" &
register_pid=$!
trap 'kill "$register_pid" 2>/dev/null; wait "$register_pid" 2>/dev/null; rm -rf "$work"' EXIT

# The simulator links the port once it is ready; give it a generous 20 s.
for _ in $(seq 400); do
    [ -e "$ORVIK_PORTS_DIR/$port" ] && break
    kill -0 "$register_pid" 2>/dev/null || { echo "the simulated register ended early"; exit 1; }
    sleep 0.05
done
[ -e "$ORVIK_PORTS_DIR/$port" ] || { echo "the simulated register did not link $port"; exit 1; }

status=0
ORVIK_CONSOLE_SMOKE_TEST="$port,$password" QT_QPA_PLATFORM=xcb \
    timeout 90 xvfb-run -a -s "-screen 0 1280x1024x24" "$console" || status=$?
echo "orvik-console-driver exited with $status"
exit "$status"
