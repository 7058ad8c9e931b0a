#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the built program for PIE, full RELRO and the stack protector, and
# that every source of the program was compiled with _FORTIFY_SOURCE.
#   hardening_test.sh BINARY COMPILE-COMMANDS-JSON yes|no
set -euo pipefail
binary=$1
commands=$2
fortify=$3
failures=0
check() { # description command...
    local what=$1
    shift
    if "$@"; then
        echo "ok: $what"
    else
        echo "FAIL: $what" >&2
        failures=$((failures + 1))
    fi
}

header=$(readelf -hW "$binary")
dynamic=$(readelf -dW "$binary")
segments=$(readelf -lW "$binary")
symbols=$(readelf --dyn-syms -W "$binary")

check "position-independent executable" grep -q "Type: *DYN" <<<"$header"
check "PIE flag" grep -qE "FLAGS_1.*PIE" <<<"$dynamic"
check "read-only relocations (RELRO)" grep -q "GNU_RELRO" <<<"$segments"
check "immediate binding (full RELRO)" grep -qE "BIND_NOW|FLAGS_1.*NOW" <<<"$dynamic"
check "stack protector" grep -q "__stack_chk_fail" <<<"$symbols"

# The program's own sources: every one built with the stack protector and, in
# optimised builds, with _FORTIFY_SOURCE. (glibc can only check calls whose
# buffer sizes the compiler knows, so the binary alone cannot show it.)
sources=$(grep -oE '"file": "[^"]*/(core|window|app)/[^"/]*\.cpp"' "$commands" | wc -l)
check "compile commands found" test "$sources" -ge 4
protected=$(grep -cE '"command": .*-fstack-protector-strong.*(core|window|app)/[^"/]*\.cpp"' \
    "$commands" || true)
check "stack protector on all $sources sources" test "$protected" -ge "$sources"
if [ "$fortify" = yes ]; then
    fortified=$(grep -cE '"command": .*-D_FORTIFY_SOURCE=2.*(core|window|app)/[^"/]*\.cpp"' \
        "$commands" || true)
    check "_FORTIFY_SOURCE on all $sources sources" test "$fortified" -ge "$sources"
fi
exit $((failures > 0))
