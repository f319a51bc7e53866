#!/usr/bin/env bash
# The viewer as a whole process on the software rasteriser (Mesa llvmpipe,
# SDL's offscreen video driver, no display): start-up to the first presented
# frame, the same with the generated level named on the command line (file
# to the first frame showing it), and ondrel-convert importing the same
# level beside them. Runs alternate so all three see the same disturbance;
# prints every run and the medians of wall, user and system time and of the
# peak resident set, and the level's share of the viewer's peak per triangle.
# usage: bench/viewer_process.sh BUILD_DIR [FOLDER] [TRIANGLES] [RUNS] [FORMAT]
#   FOLDER default $TMPDIR or /tmp (give /dev/shm to keep the disk out);
#   TRIANGLES default 1000000; RUNS default 7; FORMAT bin (default) or txt.
set -euo pipefail
build="${1:?usage: bench/viewer_process.sh BUILD_DIR [FOLDER] [TRIANGLES] [RUNS] [FORMAT]}"
folder="${2:-${TMPDIR:-/tmp}}"
triangles="${3:-1000000}"
runs="${4:-7}"
format="${5:-bin}"
viewer="$build/app/ondrel"
convert="$build/cli/ondrel-convert"
work="$(mktemp -d "$folder/ondrel-viewer.XXXXXX")"
trap 'rm -rf "$work"' EXIT

level="$work/level.$format"
if [ "$format" = bin ]; then kind=--binary; else kind=--text; fi
"$build/tools/levelgen/ondrel-levelgen" --triangles "$triangles" "$kind" "$level" 2>/dev/null
export SDL_VIDEODRIVER=offscreen LIBGL_ALWAYS_SOFTWARE=1

measure() {  # name command...
  local name=$1; shift
  /usr/bin/time -f "%e %U %S %M" -o "$work/time" "$@" >/dev/null
  read -r wall user system peak <"$work/time"
  echo "$name $wall $user $system $peak" >>"$work/runs"
  printf '%-10s wall %6.2f s  user %6.2f s  system %5.2f s  peak %7d KB\n' \
    "$name" "$wall" "$user" "$system" "$peak"
}

for _ in $(seq "$runs"); do
  measure start-up "$viewer" -quitafterframe:1 -noerrormsgboxes
  measure level "$viewer" -quitafterframe:1 -noerrormsgboxes "$level"
  measure converter "$convert" -q --bounds 1e9 -o "$work/level.map" "$level"
done

python3 - "$work/runs" "$triangles" <<'PY'
import statistics, sys
runs = {}
for line in open(sys.argv[1]):
    name, *figures = line.split()
    runs.setdefault(name, []).append([float(f) for f in figures])
triangles = int(sys.argv[2])
def median(name, column): return statistics.median(r[column] for r in runs[name])
print(f"\n{triangles} triangles, {len(runs['level'])} runs each (medians)")
for name in ("start-up", "level", "converter"):
    print(f"  {name:10} wall {median(name, 0):6.2f} s  user {median(name, 1):6.2f} s"
          f"  system {median(name, 2):5.2f} s  peak {median(name, 3):8.0f} KB")
share = (median("level", 3) - median("start-up", 3)) * 1024 / triangles
print(f"  viewer peak with the level {median('level', 3) * 1024 / triangles:.0f} bytes per triangle,"
      f" of which the level's share {share:.0f}")
PY
