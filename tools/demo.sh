#!/usr/bin/env bash
# The main job on the bundled sample level: installs what is needed, builds
# the converter and turns samples/facility.txt into out/facility.map.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
"$root/tools/setup.sh"
cmake --preset release >/dev/null
cmake --build --preset release --target ondrel-convert -j "${ONDREL_JOBS:-$(nproc)}" >/dev/null
mkdir -p out
build/release/cli/ondrel-convert -o out/facility.map samples/facility.txt
