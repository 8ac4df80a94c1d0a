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

# The ports folder, as the programs resolve it.
if [ -n "${ORVIK_PORTS_DIR:-}" ]; then
    PORTS_DIR=$ORVIK_PORTS_DIR
elif [ -n "${XDG_RUNTIME_DIR:-}" ]; then
    PORTS_DIR=$XDG_RUNTIME_DIR/orvik/ports
else
    PORTS_DIR=/tmp/orvik-ports-$(id -u)
fi
LINK=$PORTS_DIR/COM1
started=$(mktemp)

"$SIM" --port COM1 --tape "$TAPE" --password "$PASSWORD" &
sim_pid=$!
trap 'kill "$sim_pid" 2>/dev/null; wait "$sim_pid" 2>/dev/null; rm -f "$started"' EXIT INT TERM

# Wait for the simulator's own link: COM1 in the ports folder, made after it started, leading
# to a terminal device. Not "orvik-cli ports", which lists COM1 whenever /dev/ttyS0 exists: the
# console would then open the real port if the simulator had failed to start.
linked=
for _ in $(seq 100); do
    if ! kill -0 "$sim_pid" 2>/dev/null; then
        echo "The simulated register did not start (see its message above)." >&2
        exit 1
    fi
    if [ -L "$LINK" ] && [ -c "$LINK" ] && [ -n "$(find "$LINK" -newer "$started")" ]; then
        linked=1
        break
    fi
    sleep 0.1
done
if [ -z "$linked" ]; then
    echo "The simulated register did not link COM1 in $PORTS_DIR within 10 seconds." >&2
    exit 1
fi

echo "The simulated register runs on COM1; what it prints goes to $TAPE."
echo "In the console: keep COM1 and the operator name, type the password $PASSWORD, press Enter."
"$CONSOLE"
