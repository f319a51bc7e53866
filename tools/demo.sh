#!/usr/bin/env bash
# The main job on the bundled sample level: installs what is needed, builds,
# and then either opens the viewer on samples/facility.txt (when there is a
# display to show it on) or converts it without a window into
# out/facility.map, as a script or a machine without a screen needs.
#
#   tools/demo.sh [VIEWER SWITCHES...]      viewer when $DISPLAY or
#                                           $WAYLAND_DISPLAY is set
#   tools/demo.sh --headless [OPTIONS...]   always convert; OPTIONS go to
#                                           ondrel-convert (--tris 3, -q, ...)
#
# Viewer switches are the framework's own (ondrel --help), for example
# -width:1024 -height:768, or -quitafterframe:5 for a run that ends by itself.
# The exit code is the viewer's or the converter's.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

usage() {
  sed -n '2,14p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//'
}

headless=false
case "${1:-}" in
  --headless) headless=true; shift ;;
  -h|--help) usage; exit 0 ;;
esac
# Without a screen the viewer could only fail, so the converter runs instead;
# switches meant for the viewer mean nothing to it and are left out.
if ! "$headless" && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  headless=true
  if [ $# -gt 0 ]; then
    echo "demo: no display; converting without the viewer (ignoring: $*)" >&2
    set --
  fi
fi

jobs="${ONDREL_JOBS:-$(nproc)}"
"$root/tools/setup.sh"
cmake --preset release >/dev/null

if "$headless"; then
  cmake --build --preset release --target ondrel-convert -j "$jobs" >/dev/null
  mkdir -p out
  exec build/release/cli/ondrel-convert "$@" -o out/facility.map samples/facility.txt
fi

cmake --build --preset release --target ondrel -j "$jobs" >/dev/null
# Run from the repository root, the viewer finds its skin in media/.
exec build/release/app/ondrel "$@" samples/facility.txt
