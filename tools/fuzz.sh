#!/usr/bin/env bash
# Builds the fuzz preset (clang, libFuzzer, address and undefined-behaviour
# sanitizers) and fuzzes the level importer for SECONDS seconds, starting
# from the committed seed corpus. Exits non-zero when an input crashes it;
# the crashing input is kept in build/fuzz/crashes/.
# Usage: tools/fuzz.sh [SECONDS]   (default 60)
set -euo pipefail
seconds="${1:-60}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "${ONDREL_JOBS:-2}" --target ondrel-fuzz-import

work="$(mktemp -d "${TMPDIR:-/tmp}/ondrel-fuzz.XXXXXX")"
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus" "$work/artifacts"

# New inputs go to the scratch corpus; the committed seeds stay as they are.
status=0
build/fuzz/fuzz/ondrel-fuzz-import "$work/corpus" fuzz/corpus \
  -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$work/artifacts/" -print_final_stats=1 2>"$work/log" || status=$?
tail -n 20 "$work/log"
if [ "$status" -ne 0 ]; then
  mkdir -p build/fuzz/crashes
  cp "$work"/artifacts/* build/fuzz/crashes/ 2>/dev/null || true
  echo "fuzz: the importer failed on an input (exit $status); kept in build/fuzz/crashes/" >&2
  echo "fuzz: once fixed, add the input to fuzz/corpus/ so every test run replays it" >&2
  exit "$status"
fi
echo "fuzz: no failure in $seconds s"
