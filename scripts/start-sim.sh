# Starts orvik-sim from a bash script and returns once its port can be opened. Source it:
#
#   . scripts/start-sim.sh
#   start_sim build/sim/orvik-sim --port COM1 --tape tape.txt   # returns once COM1 is linked
#   ...                                                          # $SIM_PID is the simulator
#   stop_sim
#
# The simulator's first line on standard output is its word that the port is linked
# ("orvik-sim: /dev/pts/3 is linked as COM1 (/run/user/1000/orvik/ports/COM1)"). start_sim
# waits for that line, at most START_SIM_TIMEOUT seconds (10), and fails at once when the
# simulator ends without it. The line and everything the simulator prints after it go on to
# standard output; its messages go to standard error as they come.

start_sim() {
    local dir fd line=
    dir=$(mktemp -d) || return 1
    if ! mkfifo "$dir/out"; then
        rm -rf "$dir"
        return 1
    fi
    "$@" >"$dir/out" &
    SIM_PID=$!
    # Opening the pipe waits for the simulator's side to be opened as well.
    exec {fd}<"$dir/out"
    rm -rf "$dir"
    if ! IFS= read -r -t "${START_SIM_TIMEOUT:-10}" -u "$fd" line ||
        [[ $line != *" is linked as "* ]]; then
        [ -z "$line" ] || printf '%s\n' "$line"
        exec {fd}<&-
        if kill -0 "$SIM_PID" 2>/dev/null; then
            echo "orvik-sim did not link its port within ${START_SIM_TIMEOUT:-10} seconds." >&2
            kill "$SIM_PID" 2>/dev/null || true
        fi
        wait "$SIM_PID" 2>/dev/null || true
        SIM_PID=
        return 1
    fi
    printf '%s\n' "$line"
    # The rest is passed on as it comes, so that the simulator never waits on a full pipe; the
    # relay ends with the simulator.
    cat <&"$fd" &
    SIM_RELAY_PID=$!
    exec {fd}<&-
}

# Ends the simulator started by start_sim (it removes its link on the way) and waits for it.
stop_sim() {
    if [ -n "${SIM_PID:-}" ]; then
        kill "$SIM_PID" 2>/dev/null || true
        wait "$SIM_PID" 2>/dev/null || true
    fi
    if [ -n "${SIM_RELAY_PID:-}" ]; then
        wait "$SIM_RELAY_PID" 2>/dev/null || true
    fi
    SIM_PID=
    SIM_RELAY_PID=
}
