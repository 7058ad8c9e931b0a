# SPDX-License-Identifier: GPL-3.0-or-later
# Shell helpers for running the real program in a private X server with a
# real window manager. Source this file; call start_x first and stop_x last.

caption="https://zunovar.example/ ЦУНО - съставяне на акроним"
session_pids=()

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Starts Xvfb on a free display and openbox on it, and exports DISPLAY.
start_x() {
    local fifo display_number
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" &
    session_pids+=($!)
    read -r -t 20 display_number <"$fifo" || fail "Xvfb did not start"
    rm -f "$fifo"
    export DISPLAY=":$display_number"
    openbox --sm-disable >/dev/null 2>&1 &
    session_pids+=($!)
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    fail "openbox did not start"
}

stop_x() {
    local pid
    for ((i = ${#session_pids[@]} - 1; i >= 0; i--)); do
        pid=${session_pids[i]}
        kill "$pid" 2>/dev/null || continue
        for _ in $(seq 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -9 "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    session_pids=()
}

# Starts the program and sets program_pid and window once its window is mapped.
start_program() {
    "$1" >>"${program_log:-/dev/null}" 2>&1 &
    session_pids+=($!)
    program_pid=$!
    local id=""
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^${caption}\$" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || fail "no window with the caption \"$caption\""
    xdotool windowactivate --sync "$id" 2>/dev/null || true
    window=$id
}
