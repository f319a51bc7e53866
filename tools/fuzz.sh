#!/usr/bin/env bash
# Builds the fuzz preset (clang, libFuzzer, address and undefined-behaviour
# sanitizers) and fuzzes each target in turn, one process on one core,
# starting from its committed seed corpus in fuzz/corpus/<target>/. Exits
# non-zero when an input crashes a target; the input is kept in
# build/fuzz/crashes/.
#
# Usage: tools/fuzz.sh [SECONDS] [TARGET...]
#   SECONDS   time per target (default 30; the test run's minute covers both)
#   TARGET    import, options (default: both)
# Environment:
#   ONDREL_FUZZ_RUNS=N      stop a target after N inputs instead of SECONDS
#                           (a campaign: ONDREL_FUZZ_RUNS=10000000 tools/fuzz.sh 0)
#   ONDREL_FUZZ_KEEP=DIR    keep the inputs each target found in DIR/<target>/
#                           (to merge into the seeds: see docs/FUZZING.md)
set -euo pipefail
seconds="${1:-30}"
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(import options)
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

cmake --preset fuzz >/dev/null
for target in "${targets[@]}"; do
  cmake --build --preset fuzz -j "${ONDREL_JOBS:-2}" --target "ondrel-fuzz-$target"
done

work="$(mktemp -d "${TMPDIR:-/tmp}/ondrel-fuzz.XXXXXX")"
trap 'rm -rf "$work"' EXIT

# One input touches little memory, so a small quarantine still catches a use
# after free within it, and keeps the allocator on memory it has already
# faulted in: the default 256 MiB costs a page fault on nearly every
# allocation and halves the rate.
export ASAN_OPTIONS="${ASAN_OPTIONS:-quarantine_size_mb=16:allocator_release_to_os_interval_ms=-1}"

limits=(-max_total_time="$seconds")
[ -n "${ONDREL_FUZZ_RUNS:-}" ] && limits=(-runs="$ONDREL_FUZZ_RUNS")

for target in "${targets[@]}"; do
  corpus="$work/$target/corpus"
  artifacts="$work/$target/artifacts"
  mkdir -p "$corpus" "$artifacts"
  echo "== fuzz $target"
  # New inputs go to the scratch corpus; the committed seeds stay as they are.
  status=0
  "build/fuzz/fuzz/ondrel-fuzz-$target" "$corpus" "fuzz/corpus/$target" \
    "${limits[@]}" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$artifacts/" -print_final_stats=1 2>"$work/$target/log" || status=$?
  grep -E '^(#[0-9]+ +DONE|stat::|Done)' "$work/$target/log" || tail -n 20 "$work/$target/log"
  if [ -n "${ONDREL_FUZZ_KEEP:-}" ]; then
    mkdir -p "$ONDREL_FUZZ_KEEP/$target"
    cp "$corpus"/* "$ONDREL_FUZZ_KEEP/$target/" 2>/dev/null || true
  fi
  # 72 is libFuzzer's exit after an interrupt (SIGINT stops a campaign
  # early): what ran is counted above, and nothing failed.
  if [ "$status" -eq 72 ]; then
    echo "fuzz: $target interrupted" >&2
    exit "$status"
  fi
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$work/$target/log"
    mkdir -p build/fuzz/crashes
    cp "$artifacts"/* build/fuzz/crashes/ 2>/dev/null || true
    echo "fuzz: $target failed on an input (exit $status); kept in build/fuzz/crashes/" >&2
    echo "fuzz: once fixed, add the input to fuzz/corpus/$target/ so every test run replays it" >&2
    exit "$status"
  fi
  echo "fuzz: no failure in $target"
done
