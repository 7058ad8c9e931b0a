#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the real program in an X server with openbox, checks the window that the
# window manager got, and solves the exercise with real key events.
#   solve_test.sh PATH-TO-ZUNOVAR
set -euo pipefail
. "$(dirname "$0")/xsession.sh"
binary=$1
trap stop_x EXIT

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

eventually has_ink "${title_list[@]}" || fail "the title list shows nothing"
eventually no_ink "${acronym_list[@]}" || fail "the acronym column is not blank at the start"

# The first right pair by keyboard: "Бай Ганьо" (row 3) with "Алеко
# Константинов" (row 1) writes Б into the column.
keys Tab # from the instructions to the title list
pick_row 3
keys Tab
pick_row 1
keys Tab space
eventually has_ink "${acronym_list[@]}" || fail "no letter after the first right pair"

# "Чисти", then the whole exercise.
keys Tab Tab space Tab Tab
eventually no_ink "${acronym_list[@]}" || fail "\"Чисти\" did not blank the acronym column"
solve_by_keyboard
eventually no_ink "${title_list[@]}" || fail "titles are left after the last pair"
eventually no_ink "${author_list[@]}" || fail "authors are left after the last pair"
has_ink "${acronym_list[@]}" || fail "the acronym column is empty after the last pair"
kill -0 "$program_pid" || fail "the program has gone"
echo "solved: 14 pairs matched by keyboard, both lists empty"

keys Tab Tab space # "Чисти", past the acronym column
eventually has_ink "${title_list[@]}" || fail "\"Чисти\" did not bring the titles back"
eventually no_ink "${acronym_list[@]}" || fail "\"Чисти\" did not blank the acronym column"
echo "cleared: titles back, acronym column blank"
echo "e2e: 1 passed, 0 failed"
