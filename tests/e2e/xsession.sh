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
    local fifo display_number attempt log
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" &
    session_pids+=($!)
    read -r -t 20 display_number <"$fifo" || fail "Xvfb did not start"
    rm -f "$fifo"
    export DISPLAY=":$display_number"
    # openbox has been seen, rarely, not to come up on a loaded machine: try
    # again before giving up, and show what it said.
    log=$(mktemp)
    for attempt in 1 2 3; do
        openbox --sm-disable >"$log" 2>&1 &
        session_pids+=($!)
        for _ in $(seq 100); do
            if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
                rm -f "$log"
                return 0
            fi
            sleep 0.1
        done
        echo "openbox did not start (attempt $attempt):" >&2
        cat "$log" >&2
        kill "${session_pids[-1]}" 2>/dev/null || true
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

# Real key events to the focused window.
keys() {
    xdotool key --delay 15 "$@"
}

# Saves a rectangle of the window as a PNG: crop FILE X Y WIDTH HEIGHT.
crop() {
    import -silent -window "$window" -crop "$4x$5+$2+$3" +repage "png:$1"
}

# Whether a rectangle of the window holds ink (dark pixels): has_ink X Y W H.
has_ink() {
    local darkest
    darkest=$(import -silent -window "$window" -crop "$3x$4+$1+$2" +repage -colorspace Gray \
        -format '%[fx:int(minima*255)]' info:)
    ((darkest < 100))
}

no_ink() {
    ! has_ink "$@"
}

# Retries a check for up to 5 s: the program repaints in its own time.
eventually() {
    for _ in $(seq 50); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# Saves a rectangle of the window once two captures 0.2 s apart agree:
# stable_crop FILE X Y WIDTH HEIGHT.
stable_crop() {
    local previous="$1.previous"
    crop "$previous" "${@:2}"
    for _ in $(seq 25); do
        sleep 0.2
        crop "$1" "${@:2}"
        cmp -s "$1" "$previous" && break
        mv "$1" "$previous"
    done
    rm -f "$previous"
}

# Inside the frames of the lists, clear of their scroll bars.
title_list=(11 59 240 131)
author_list=(291 59 190 131)
acronym_list=(507 59 50 131)

# Solves the exercise by keyboard: the title list must have the focus; at the
# end "Избрах" has it. Pairs are matched in key order; each row is found by
# counting the rows that have left above it.
solve_by_keyboard() {
    local title_of_key=(0 5 3 12 13 9 2 8 10 7 6 11 4 1)
    local author_of_key=(12 7 1 0 6 5 8 10 9 3 13 2 4 11)
    local key
    for key in $(seq 0 13); do
        if ((key > 0)); then
            keys shift+Tab shift+Tab # from "Избрах" back to the title list
        fi
        pick_row "$(rows_left_above "${title_of_key[key]}" "${title_of_key[@]:0:key}")"
        keys Tab
        pick_row "$(rows_left_above "${author_of_key[key]}" "${author_of_key[@]:0:key}")"
        keys Tab space
    done
}

# The row that a stored item has now: rows_left_above INDEX MATCHED...
rows_left_above() {
    local index=$1 row=$1 other
    shift
    for other in "$@"; do
        if ((other < index)); then
            row=$((row - 1))
        fi
    done
    echo "$row"
}

# In the focused list: to the top, down to the row, Space to select it.
pick_row() {
    local downs=() i
    for ((i = 0; i < $1; i++)); do downs+=(Down); done
    keys Home "${downs[@]}" space
}
