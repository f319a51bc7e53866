#!/usr/bin/env bash
# Peak memory of ondrel-convert per input triangle on a generated text level.
# usage: bench/peak_memory.sh BUILD_DIR [TRIANGLES]   (default 1000000)
set -euo pipefail
build="${1:?usage: bench/peak_memory.sh BUILD_DIR [TRIANGLES]}"
triangles="${2:-1000000}"
work="$(mktemp -d "${TMPDIR:-/tmp}/ondrel-memory.XXXXXX")"
trap 'rm -rf "$work"' EXIT

"$build/tools/levelgen/ondrel-levelgen" --triangles "$triangles" --text "$work/level.txt" 2>/dev/null
/usr/bin/time -v "$build/cli/ondrel-convert" "$work/level.txt" 2>"$work/time.txt"
peak_kb="$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time.txt")"
echo "peak resident set: $peak_kb KB for $triangles triangles," \
  "$(( peak_kb * 1024 / triangles )) bytes per input triangle"
