#!/usr/bin/env bash
# The run script's start of the simulated register, ten times in a row: every start returns
# within 10 seconds, and only once COM1 leads to the pseudo-terminal this very simulator holds;
# every stop removes the link before the next start.
# Usage: start_sim_test.sh ORVIK_SIM SOURCE_DIR
set -euo pipefail
sim=$1
root=$2

work=$(mktemp -d)
export ORVIK_PORTS_DIR=$work/ports
export ORVIK_STATE_DIR=$work/state
. "$root/scripts/start-sim.sh"
trap 'stop_sim; rm -rf "$work"' EXIT

fail() {
    echo "FAIL (start $run): $*" >&2
    exit 1
}

link=$ORVIK_PORTS_DIR/COM1
for run in $(seq 10); do
    began=$SECONDS
    START_SIM_TIMEOUT=10 start_sim "$sim" --port COM1 --tape "$work/tape.txt" >"$work/out" ||
        fail "start_sim failed: $(cat "$work/out")"
    ((SECONDS - began <= 10)) || fail "the start took $((SECONDS - began)) seconds"

    target=$(readlink "$link") || fail "no link $link after start_sim returned"
    [ -c "$target" ] || fail "$link leads to $target, which is no character device"
    held=
    for fd in /proc/"$SIM_PID"/fd/*; do
        if [ "$(readlink "$fd")" = "$target" ]; then
            held=1
        fi
    done
    [ -n "$held" ] || fail "$link leads to $target, which orvik-sim (pid $SIM_PID) does not hold"
    grep -qF "orvik-sim: $target is linked as COM1 ($link)" "$work/out" ||
        fail "the word start_sim waited for is not in its output: $(cat "$work/out")"

    stop_sim
    [ ! -L "$link" ] || fail "the link outlived the simulator"
done
echo "10 starts, each linked COM1 to its own pseudo-terminal"
