#!/usr/bin/env bash
# Installs what is needed, builds, starts the simulated register on COM1 of the ports folder
# and shows orvik-cli talking to it. The simulator keeps running until Ctrl+C, so that other
# orvik-cli commands can be tried against it from a second terminal.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD

"$ROOT/scripts/install-deps.sh"

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVIK_BUILD_TESTS=OFF \
    -DORVIK_BUILD_BENCH=OFF
ninja -C build orvik-sim orvik-cli

SIM=build/sim/orvik-sim
CLI=build/cli/orvik-cli
TAPE=${ORVIK_TAPE:-$ROOT/build/tape.txt}

"$SIM" --port COM1 --tape "$TAPE" &
sim_pid=$!
trap 'kill "$sim_pid" 2>/dev/null; wait "$sim_pid" 2>/dev/null' EXIT INT TERM

# The simulator links COM1 in the ports folder once it is ready.
for _ in $(seq 100); do
    "$CLI" ports | grep -qx COM1 && break
    sleep 0.1
done

echo "\$ orvik-cli ports"
"$CLI" ports
echo "\$ orvik-cli --port COM1 --raw send NULL NOPE"
"$CLI" --port COM1 --raw send NULL NOPE || true
echo
echo "The simulated register runs on COM1 (its tape: $TAPE). Press Ctrl+C to stop it."
wait "$sim_pid"
