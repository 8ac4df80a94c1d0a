#!/usr/bin/env bash
# Installs what is needed, builds, starts the simulated register on COM1 of the ports folder and
# then the console, which offers COM1 first: type the operator password (0000) and press Enter.
# Closing the console stops the simulated register.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD

"$ROOT/scripts/install-deps.sh"

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVIK_BUILD_TESTS=OFF \
    -DORVIK_BUILD_BENCH=OFF
ninja -C build orvik-sim orvik-console orvik-cli

SIM=build/sim/orvik-sim
CONSOLE=build/gui/app/orvik-console
TAPE=${ORVIK_TAPE:-$ROOT/build/tape.txt}
PASSWORD=0000

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: run this from a desktop session (or with ssh -X)." >&2
    exit 1
fi

# Wait for the simulator's own word that COM1 is linked, not for "orvik-cli ports", which lists
# COM1 whenever /dev/ttyS0 exists: the console would then open the real port if the simulator
# had failed to start.
. "$ROOT/scripts/start-sim.sh"
trap stop_sim EXIT
trap 'exit 130' INT TERM
if ! start_sim "$SIM" --port COM1 --tape "$TAPE" --password "$PASSWORD"; then
    echo "The simulated register did not start (see its message above)." >&2
    exit 1
fi

echo "The simulated register runs on COM1; what it prints goes to $TAPE."
echo "In the console: keep COM1 and the operator name, type the password $PASSWORD, press Enter."
"$CONSOLE"
