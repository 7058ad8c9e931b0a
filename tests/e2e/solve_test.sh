#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the real program in an X server with openbox, checks the window that the
# window manager got, and solves the exercise with real key events.
#   solve_test.sh PATH-TO-ZUNOVAR
set -euo pipefail
here=$(dirname "$0")
. "$here/xsession.sh"
binary=$1
work=$(mktemp -d)
trap 'stop_x; rm -rf "$work"' EXIT

start_x
start_program "$binary"

# The window and its size hints: fixed at 583 x 360, no maximise or minimise.
geometry=$(xwininfo -id "$window")
grep -q "Width: 583$" <<<"$geometry" || fail "width: $geometry"
grep -q "Height: 360$" <<<"$geometry" || fail "height: $geometry"
hints=$(xprop -id "$window" WM_NORMAL_HINTS)
grep -q "minimum size: 583 by 360" <<<"$hints" || fail "minimum size: $hints"
grep -q "maximum size: 583 by 360" <<<"$hints" || fail "maximum size: $hints"
# Motif functions: the window never offers minimise (0x8) or maximise (0x10).
functions=$(xprop -id "$window" _MOTIF_WM_HINTS | sed -E 's/.*= [^,]*, ([^,]*),.*/\1/')
(((functions & 0x18) == 0)) || fail "motif functions $functions offer minimise or maximise"
actions=$(xprop -id "$window" _NET_WM_ALLOWED_ACTIONS)
if grep -qE "_NET_WM_ACTION_(RESIZE|MAXIMIZE)" <<<"$actions"; then
    fail "the window manager allows resizing: $actions"
fi
xdotool windowsize "$window" 800 600
sleep 0.3
grep -q "Width: 583$" <<<"$(xwininfo -id "$window")" || fail "the window was resized"
echo "window: 583 x 360, fixed"

# Ink (dark pixels) in a rectangle of the window, inside a list's frame.
has_ink() { # x y width height
    local darkest
    darkest=$(import -silent -window "$window" -crop "$3x$4+$1+$2" +repage -colorspace Gray \
        -format '%[fx:int(minima*255)]' info:)
    ((darkest < 100))
}
title_list=(11 59 240 131)
author_list=(291 59 190 131)
acronym_list=(507 59 50 131)

has_ink "${title_list[@]}" || fail "the title list shows nothing"
has_ink "${acronym_list[@]}" && fail "the acronym column is not blank at the start"

# Rows by key: the title and the author (indices in the stored lists).
title_of_key=(0 5 3 12 13 9 2 8 10 7 6 11 4 1)
author_of_key=(12 7 1 0 6 5 8 10 9 3 13 2 4 11)
matched_titles=()
matched_authors=()

# The row a stored item has now: the items before it that are still there.
current_row() { # index matched...
    local index=$1 row=$1 other
    shift
    for other in "$@"; do
        ((other < index)) && ((row--))
    done
    echo "$row"
}

keys() {
    xdotool key --delay 15 "$@"
}

# In the focused list: top, down to the row, Space to select it.
pick_row() {
    local downs=()
    for ((i = 0; i < $1; i++)); do downs+=(Down); done
    keys Home "${downs[@]}" space
}

for key in $(seq 0 13); do
    if ((key == 0)); then
        keys Tab # from the instructions to the title list
    else
        keys shift+Tab shift+Tab # from "Избрах" back to the title list
    fi
    pick_row "$(current_row "${title_of_key[key]}" "${matched_titles[@]}")"
    keys Tab
    pick_row "$(current_row "${author_of_key[key]}" "${matched_authors[@]}")"
    keys Tab space
    matched_titles+=("${title_of_key[key]}")
    matched_authors+=("${author_of_key[key]}")
    if ((key == 0)); then
        sleep 0.2
        has_ink "${acronym_list[@]}" || fail "no letter after the first right pair"
    fi
done
sleep 0.3
kill -0 "$program_pid" || fail "the program has gone"
has_ink "${title_list[@]}" && fail "titles are left after the last pair"
has_ink "${author_list[@]}" && fail "authors are left after the last pair"
has_ink "${acronym_list[@]}" || fail "the acronym column is empty after the last pair"
echo "solved: 14 pairs matched by keyboard, both lists empty"

# "Чисти", by keyboard: past the acronym column.
keys Tab Tab space
sleep 0.3
has_ink "${title_list[@]}" || fail "\"Чисти\" did not bring the titles back"
has_ink "${acronym_list[@]}" && fail "\"Чисти\" did not blank the acronym column"
echo "cleared: titles back, acronym column blank"
echo "e2e: 1 passed, 0 failed"
