#!/bin/sh
# The viewer installed into a fresh prefix and started from outside the
# source tree finds its skin through the install path it registers, and
# fails with the media error once the skin is gone.
# Usage: installed_viewer.sh <cmake> <build-dir>
set -u
cmake="$1"
build="$2"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" >/dev/null || exit 1
cd "$prefix" || exit 1
"$prefix/bin/ondrel" -quitafterframe:3 -noerrormsgboxes
found=$?
rm -rf "$prefix/share/ondrel/Media"
"$prefix/bin/ondrel" -quitafterframe:3 -noerrormsgboxes
missing=$?
echo "with the skin: exit $found; without it: exit $missing"
[ "$found" -eq 0 ] && [ "$missing" -ne 0 ]
