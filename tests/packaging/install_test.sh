#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs into a temporary DESTDIR and checks that exactly the expected files
# land there.
#   install_test.sh BUILD-DIR APP-ID
set -euo pipefail
build=$1
id=$2
destdir=$(mktemp -d)
trap 'rm -rf "$destdir"' EXIT

DESTDIR=$destdir cmake --install "$build" --prefix /usr >/dev/null
actual=$(cd "$destdir" && find . -type f -o -type l | sed 's|^\./|/|' | sort)
expected=$(sort <<EOF_FILES
/usr/bin/zunovar
/usr/share/applications/$id.desktop
/usr/share/metainfo/$id.metainfo.xml
/usr/share/icons/hicolor/32x32/apps/$id.png
/usr/share/icons/hicolor/48x48/apps/$id.png
/usr/share/icons/hicolor/scalable/apps/$id.svg
/usr/share/doc/zunovar/copyright
EOF_FILES
)
if [ "$actual" != "$expected" ]; then
    diff <(echo "$expected") <(echo "$actual") || true
    echo "FAIL: installed files differ (< expected, > installed)" >&2
    exit 1
fi
[ -x "$destdir/usr/bin/zunovar" ] || { echo "FAIL: zunovar is not executable" >&2; exit 1; }
for size in 32 48; do
    icon="$destdir/usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
    file "$icon" | grep -q "PNG image data, $size x $size" ||
        { echo "FAIL: $(file "$icon")" >&2; exit 1; }
done
echo "installed: $(wc -l <<<"$actual") files, as expected"
