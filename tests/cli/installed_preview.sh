#!/bin/sh
# The converter in an install tree moved away from its prefix finds the
# preview renderer in the tree's libexec/ondrel through its own location,
# and without it writes the map and exits with 5.
# Usage: installed_preview.sh <cmake> <build-dir> <ondrel-convert> <sample> <configured-renderer>
set -u
cmake="$1"
build="$2"
convert="$3"
sample="$4"
configured="$5"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$cmake" --install "$build" --prefix "$work/staged" >/dev/null || exit 1
# The converter's own install rule may not exist yet; it belongs beside the viewer.
[ -x "$work/staged/bin/ondrel-convert" ] || cp "$convert" "$work/staged/bin/ondrel-convert"
mv "$work/staged" "$work/moved"
cd "$work" || exit 1
"$work/moved/bin/ondrel-convert" -q --preview found.png -o found.map "$sample"
found=$?
rm -f "$work/moved/libexec/ondrel/ondrel-preview"
"$work/moved/bin/ondrel-convert" -q --preview missing.png -o missing.map "$sample" 2>/dev/null
missing=$?
echo "with the renderer: exit $found; without it: exit $missing"
[ "$found" -eq 0 ] && [ -s found.png ] || exit 1
# A renderer installed at the configured path would still be found.
[ -x "$configured" ] && exit 0
[ "$missing" -eq 5 ] && [ -s missing.map ] && [ ! -e missing.png ]
