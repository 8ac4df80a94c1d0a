#!/usr/bin/env bash
# Start-up to the first painted window and memory after connecting, of the console's window
# (orvik-console-driver: the same application library as orvik-console) against the simulated
# register, beside a minimal Qt Widgets program (orvik_minimal_qt) measured in the same
# run and the same virtual X server. Each program runs once to warm the caches, then 5 times,
# alternately; the medians are printed side by side with their ratio. Beside the wall-clock time
# to the first paint, the processor time used by then tells work from waiting. Prints figures;
# asserts nothing (the goal is a ratio of at most 1.5 on both).
#
# usage: bench/startup_memory.sh [BUILD_DIR]   (default: build, configured here if it is not yet)
# ORVIK_BENCH_RUNS=N takes the medians of N runs instead of 5 (the figures are noisy on a busy
# machine).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${ORVIK_BENCH_RUNS:-5}

# Everything below runs inside one virtual X server.
if [ -z "${ORVIK_BENCH_IN_XVFB:-}" ]; then
    if [ ! -f "$build/build.ninja" ]; then
        cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    fi
    ninja -C "$build" orvik-sim orvik-console-driver orvik_minimal_qt >/dev/null
    ORVIK_BENCH_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build"
fi
export QT_QPA_PLATFORM=xcb

port=COM1
password=0000
work=$(mktemp -d)
export ORVIK_PORTS_DIR=$work/ports
mkdir -p "$ORVIK_PORTS_DIR"
"$build/sim/orvik-sim" --port "$port" --password "$password" >"$work/tape.txt" &
sim_pid=$!
trap 'kill "$sim_pid" 2>/dev/null; wait "$sim_pid" 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 400); do
    [ -e "$ORVIK_PORTS_DIR/$port" ] && break
    kill -0 "$sim_pid" 2>/dev/null || { echo "the simulated register ended early" >&2; exit 1; }
    sleep 0.05
done
[ -e "$ORVIK_PORTS_DIR/$port" ] || { echo "the simulated register did not link $port" >&2; exit 1; }

# One run of a program; appends its "bench:" line to FILE. The start time is taken just before
# the program starts (see bench/startup_figures.h).
measure() {
    local file=$1
    shift
    local line
    line=$(ORVIK_BENCH_START_NS=$(date +%s%N) timeout 60 "$@" 2>/dev/null | grep '^bench: ') || {
        echo "no figures from $*" >&2
        exit 1
    }
    echo "$line" >>"$file"
}
minimal() { measure "$1" "$build/bench/orvik_minimal_qt"; }
console() {
    ORVIK_CONSOLE_SMOKE_TEST="$port,$password" ORVIK_CONSOLE_BENCH=1 \
        measure "$1" "$build/tests/gui/orvik-console-driver"
}

minimal /dev/null
console /dev/null
for _ in $(seq "$runs"); do
    minimal "$work/minimal.txt"
    console "$work/console.txt"
done

# The median of one figure ("first-paint-ms", "vmhwm-kb", ...) in FILE.
median() {
    sed -n "s/.* $2=\([0-9.-]*\).*/\1/p" "$1" | sort -g | awk '{ v[NR] = $1 }
        END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

printf '%-28s %12s %12s %7s\n' "median of $runs runs" "minimal Qt" "console" "ratio"
for figure in first-paint-ms first-paint-cpu-ms vmhwm-kb vmrss-kb; do
    a=$(median "$work/minimal.txt" "$figure")
    b=$(median "$work/console.txt" "$figure")
    printf '%-28s %12s %12s %7s\n' "$figure" "$a" "$b" "$(awk -v a="$a" -v b="$b" \
        'BEGIN { if (a > 0) printf "%.2f", b / a; else print "-" }')"
done
echo "(console: memory once connected to orvik-sim; minimal Qt: once painted)"
