#!/bin/sh
# The viewer installed into a fresh prefix and started from outside the
# source tree finds its skin through the install path it registers, and
# fails with the media error once the skin is gone.
# Usage: installed_viewer.sh <cmake> <build-dir>
. "$(dirname "$0")/../support/temp_install.sh"
cd "$prefix" || exit 1
"$prefix/bin/ondrel" -quitafterframe:3 -noerrormsgboxes
found=$?
rm -rf "$prefix/share/ondrel/Media"
"$prefix/bin/ondrel" -quitafterframe:3 -noerrormsgboxes
missing=$?
echo "with the skin: exit $found; without it: exit $missing"
[ "$found" -eq 0 ] && [ "$missing" -ne 0 ]
