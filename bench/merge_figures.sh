#!/usr/bin/env bash
# What --merge saves and costs: brush counts, wall, user and system time and
# peak resident set of ondrel-convert with and without it, on the sample and
# on a generated level, and the quality check of both maps at the default
# extrusion factors and at --tris 0.1 --blocks 0.1. Runs alternate
# (unmerged, merged, ...) so both see the same disturbance; prints every run
# and the check's count lines.
# usage: bench/merge_figures.sh BUILD_DIR [FOLDER] [TRIANGLES] [RUNS]
#   FOLDER: where the level and maps go (default $TMPDIR or /tmp);
#   TRIANGLES default 1000000; RUNS default 3.
set -euo pipefail
build="${1:?usage: bench/merge_figures.sh BUILD_DIR [FOLDER] [TRIANGLES] [RUNS]}"
folder="${2:-${TMPDIR:-/tmp}}"
triangles="${3:-1000000}"
runs="${4:-3}"
convert="$build/cli/ondrel-convert"
here="$(cd "$(dirname "$0")/.." && pwd)"
work="$(mktemp -d "$folder/ondrel-merge.XXXXXX")"
trap 'rm -rf "$work"' EXIT

"$build/tools/levelgen/ondrel-levelgen" --triangles "$triangles" --seed 1 --binary "$work/level.bin" 2>/dev/null

timed() {  # label, then the converter's arguments
    local label="$1"
    shift
    /usr/bin/time -f "$label: wall %e s, user %U s, system %S s, peak %M KB" "$convert" "$@" 2>&1 >/dev/null |
        grep -v 'warning:'
}

for ((run = 1; run <= runs; run++)); do
    timed "unmerged run $run" -q -o "$work/plain.map" "$work/level.bin"
    timed "merged run $run" -q --merge -o "$work/merged.map" "$work/level.bin"
done

for level in "$here/samples/facility.txt" "$work/level.bin"; do
    for factors in "" "--tris 0.1 --blocks 0.1"; do
        for merge in "" "--merge"; do
            # shellcheck disable=SC2086  # the factors are separate words
            "$convert" $factors $merge --check -o "$work/checked.map" "$level" 2>/dev/null |
                grep -E 'triangles read|: check:' | sed "s|$work/||g; s|$here/||g; s|^|${factors:-defaults} ${merge:-unmerged}: |"
        done
    done
done
