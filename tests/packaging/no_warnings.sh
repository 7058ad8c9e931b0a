#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a validator and fails on any error or warning it prints, not only on
# its exit code: desktop-file-validate exits 0 on warnings, appstreamcli too.
#   no_warnings.sh VALIDATOR ARGS...
output=$("$@" 2>&1)
status=$?
echo "$output"
if [ $status -ne 0 ]; then
    exit $status
fi
if echo "$output" | grep -qE '^(E|W): |error:|warning:'; then
    echo "FAIL: the validator reported errors or warnings" >&2
    exit 1
fi
