#!/usr/bin/env bash
# ondrel-convert against a same-run baseline, each measured as a whole
# process by /usr/bin/time, as a user runs it: a generated text level
# converted over an existing map. Two baselines: "baseline" truncates the old
# map and rewrites it in place, "renaming" writes a new file and renames it
# over the old one, as the converter does so that a failed run keeps the old
# map. Runs alternate (converter, baseline, renaming, converter, ...) so that
# all three see the same disturbance on a shared machine; prints every run
# and the medians of wall, user and system time and of the peak resident set.
# usage: bench/whole_process.sh BUILD_DIR [FOLDER] [TRIANGLES] [RUNS]
#   FOLDER: where the level and the maps go (default $TMPDIR or /tmp; give
#   /dev/shm for memory, a disk folder for the disk); TRIANGLES default
#   1000000; RUNS default 7.
set -euo pipefail
build="${1:?usage: bench/whole_process.sh BUILD_DIR [FOLDER] [TRIANGLES] [RUNS]}"
folder="${2:-${TMPDIR:-/tmp}}"
triangles="${3:-1000000}"
runs="${4:-7}"
convert="$build/cli/ondrel-convert"
baseline="$build/bench/ondrel-baseline-convert"
work="$(mktemp -d "$folder/ondrel-whole.XXXXXX")"
trap 'rm -rf "$work"' EXIT

"$build/tools/levelgen/ondrel-levelgen" --triangles "$triangles" --text "$work/level.txt" 2>/dev/null
# The first conversion makes the map every later run replaces, and tells the
# baseline how many bytes to write.
"$convert" -q -o "$work/converted.map" "$work/level.txt"
bytes="$(stat -c %s "$work/converted.map")"
cp "$work/converted.map" "$work/baseline.map"
cp "$work/converted.map" "$work/renamed.map"
sync

measure() {  # name command...
  local name=$1; shift
  /usr/bin/time -f "%e %U %S %M" -o "$work/time" "$@"
  read -r wall user system peak <"$work/time"
  echo "$name $wall $user $system $peak" >>"$work/runs"
  printf '%-9s wall %6.2f s  user %6.2f s  system %5.2f s  peak %7d KB\n' \
    "$name" "$wall" "$user" "$system" "$peak"
}

for _ in $(seq "$runs"); do
  measure converter "$convert" -q -o "$work/converted.map" "$work/level.txt"
  measure baseline "$baseline" "$work/level.txt" "$work/baseline.map" "$bytes"
  measure renaming "$baseline" --via-rename "$work/level.txt" "$work/renamed.map" "$bytes"
done

python3 - "$work/runs" "$triangles" "$bytes" <<'PY'
import statistics, sys
runs = {}
for line in open(sys.argv[1]):
    name, *figures = line.split()
    runs.setdefault(name, []).append([float(f) for f in figures])
triangles, size = int(sys.argv[2]), int(sys.argv[3])
def median(name, column): return statistics.median(r[column] for r in runs[name])
def spread(name, column):
    values = [r[column] for r in runs[name]]
    return max(values) - min(values)
print(f"\n{triangles} triangles, map {size} bytes, {len(runs['converter'])} runs each (medians)")
for column, label in enumerate(["wall (s)", "user (s)", "system (s)"]):
    c = median("converter", column)
    line = f"  {label:11} converter {c:6.2f}"
    for base in ("baseline", "renaming"):
        b = median(base, column)
        ratio = f"{c / b:.2f}" if b > 0 else "-"
        line += f"  {base} {b:6.2f} (ratio {ratio})"
    print(line)
print("  system spread (max - min): " + ", ".join(
    f"{name} {spread(name, 2):.2f}" for name in ("converter", "baseline", "renaming")))
for name in ("converter", "baseline", "renaming"):
    peak = median(name, 3)
    print(f"  peak {name:9} {peak:8.0f} KB, {peak * 1024 / triangles:.0f} bytes per triangle")
PY
