#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Random real input for the real program, then a full solve. The program must
# survive, its memory must not creep, and the solved acronym column must look
# exactly like that of a fresh program solved the same way.
#   soak_test.sh ZUNOVAR SOAK-DRIVER EVENTS SEED [memory-check yes|no]
# Under AddressSanitizer freed memory waits in quarantine, so resident memory
# says nothing there: that build passes "no".
set -euo pipefail
. "$(dirname "$0")/../e2e/xsession.sh"
binary=$1
driver=$2
events=$3
seed=$4
memory_check=${5:-yes}
work=$(mktemp -d)
trap 'stop_x; rm -rf "$work"' EXIT
((events >= 1000)) || fail "at least 1000 events"

# From whatever state the program is in: close any menu, press "Чисти" with
# the mouse, solve by keyboard, and save the acronym column scrolled to its top
# and to its bottom.
solve_and_capture() { # NAME
    xdotool windowactivate --sync "$window" 2>/dev/null || true
    keys Escape Escape
    xdotool mousemove --window "$window" 516 17 click 1 # "Чисти"
    keys Tab Tab # past the instructions to the title list
    solve_by_keyboard
    eventually no_ink "${title_list[@]}" || fail "$1: titles are left after the last pair"
    has_ink "${acronym_list[@]}" || fail "$1: the acronym column is empty"
    keys Tab End Home # the acronym column, first row selected
    stable_crop "$work/$1-top.png" 504 56 73 137
    keys End
    stable_crop "$work/$1-bottom.png" 504 56 73 137
}

start_x
start_program "$binary"
"$driver" "$window" "$program_pid" "$events" "$seed" | tee "$work/driver.log"
kill -0 "$program_pid" 2>/dev/null || fail "the program has gone"

first=$(sed -n 's/^soak: event 1000, VmRSS \([0-9]*\) KiB$/\1/p' "$work/driver.log")
last=$(sed -n "s/^soak: event $((events / 1000 * 1000)), VmRSS \\([0-9]*\\) KiB\$/\\1/p" \
    "$work/driver.log")
growth=$((last - first))
echo "soak: VmRSS grew by $growth KiB from event 1000 to event $((events / 1000 * 1000))"
if [ "$memory_check" = yes ]; then
    ((growth < 1024)) || fail "resident memory grew by $growth KiB"
fi

solve_and_capture soaked
kill -0 "$program_pid" 2>/dev/null || fail "the program has gone"
stop_x

start_x
start_program "$binary"
solve_and_capture fresh
for part in top bottom; do
    differing=$(compare -metric AE "$work/soaked-$part.png" "$work/fresh-$part.png" null: 2>&1 ||
        true)
    [ "$differing" = 0 ] || fail "the solved column differs from a fresh solve ($part: $differing pixels)"
done
echo "soak: survived $events events (seed $seed); the solve afterwards matches a fresh one"
echo "soak: 1 passed, 0 failed"
