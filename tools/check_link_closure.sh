#!/usr/bin/env bash
# Builds every library on its own, with a check program that links the whole
# library and only the libraries it declares (cmake/LinkChecks.cmake). A
# library that uses another without a link arrow fails here with an
# undefined symbol, even when every program that links it happens to link
# the other one too.
# Usage: tools/check_link_closure.sh [build-dir]   (default: a fresh temporary one)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="${ONDREL_JOBS:-2}"
build="${1:-}"
if [ -z "$build" ]; then
  build="$(mktemp -d)"
  trap 'rm -rf "$build"' EXIT
fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DONDREL_LINK_CHECKS=ON \
      -DONDREL_BENCH=OFF -DCMAKE_CXX_FLAGS=-g0 >/dev/null
failed=()
while read -r check; do
  [ -n "$check" ] || continue
  if cmake --build "$build" --target "$check" -j "$jobs" >"$build/$check.log" 2>&1; then
    echo "ok      ${check#link_check_}"
  else
    echo "FAILED  ${check#link_check_}"
    grep -E "undefined reference|error:" "$build/$check.log" | head -5 | sed 's/^/        /'
    failed+=("$check")
  fi
done <"$build/link_checks.txt"
if [ ${#failed[@]} -gt 0 ]; then
  echo "check_link_closure: ${#failed[@]} librar(y/ies) do not link on their own"
  exit 1
fi
echo "check_link_closure: every library links with only its own arrows"
