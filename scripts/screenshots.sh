#!/usr/bin/env bash
# Makes the README's screenshots: the console's window before connecting (the contact panel),
# once connected to a simulated register, and one per row of the page table
# (tests/gui/driver/page_shots.cpp), in a virtual X server (xvfb-run) of 1024 x 768 pixels, the
# smallest screen the console is made for: the window opens fitted to it.
#
# usage: scripts/screenshots.sh [BUILD_DIR [OUT_DIR]]
#   BUILD_DIR  the build directory (default: build), configured here if it is not yet
#   OUT_DIR    where the PNGs go (default: docs/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=${2:-docs/screenshots}
port=COM1
password=0000

if [ ! -f "$build/build.ninja" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
ninja -C "$build" orvik-sim orvik-console-driver

mkdir -p "$out"
out=$(cd "$out" && pwd)
work=$(mktemp -d)
export ORVIK_PORTS_DIR=$work/ports
# The receipt journal goes to the run's own folder, never the user's.
export ORVIK_STATE_DIR=$work/state
mkdir -p -m 0700 "$ORVIK_PORTS_DIR"
"$build/sim/orvik-sim" --port "$port" --password "$password" >"$work/tape.txt" &
sim_pid=$!
trap 'kill "$sim_pid" 2>/dev/null; wait "$sim_pid" 2>/dev/null; rm -rf "$work"' EXIT

# The simulator links the port in the ports folder once it is ready.
for _ in $(seq 400); do
    [ -e "$ORVIK_PORTS_DIR/$port" ] && break
    kill -0 "$sim_pid" 2>/dev/null || { echo "the simulated register ended early" >&2; exit 1; }
    sleep 0.05
done
[ -e "$ORVIK_PORTS_DIR/$port" ] || { echo "the simulated register did not link $port" >&2; exit 1; }

# The window's driver (tests/gui/driver/smoke_run.h): connect, grab the window before and after,
# then each page of the table, disconnect, end. It lists every file it wrote on standard error.
ORVIK_CONSOLE_SMOKE_TEST="$port,$password" ORVIK_CONSOLE_SCREENSHOTS="$out" QT_QPA_PLATFORM=xcb \
    timeout 90 xvfb-run -a -s "-screen 0 1024x768x24" "$build/tests/gui/orvik-console-driver"
ls -l "$out"/*.png
