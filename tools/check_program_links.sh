#!/usr/bin/env bash
# Fails when a headless program carries any part of the window stack: a
# shared library of SDL, GTK, X, OpenGL, EGL or epoxy (ldd), or code of our
# own platform layer, graphics backends or test backend (static, so read
# from its symbols with nm).
# Usage: tools/check_program_links.sh <program>
set -euo pipefail
program="$1"
status=0
shared="$(ldd "$program")"
if forbidden="$(grep -Ei 'libSDL|libgtk|libgdk|libX11|libxcb|libGL|libEGL|libOpenGL|libepoxy' <<<"$shared")"; then
  echo "$program links window-stack libraries:"
  echo "$forbidden"
  status=1
fi
symbols="$(nm -C "$program")"
if forbidden="$(grep -E 'ondrel::(platform|graphics|recording)::|Direct3DCreate9|CreateWindowExW' <<<"$symbols" | head -5)"; then
  echo "$program contains platform or graphics code:"
  echo "$forbidden"
  status=1
fi
[ $status -eq 0 ] && echo "$program: no window stack"
exit $status
