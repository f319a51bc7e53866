#!/bin/sh
# SIGTERM ends the viewer as its window's close button does: the usual close
# path runs and the exit status is that of a normal close. A second SIGTERM
# right behind the first must not change that.
# Usage: terminated_viewer.sh <viewer>
set -u
"$1" -noerrormsgboxes &
viewer=$!
trap 'kill -KILL "$viewer" 2>/dev/null' EXIT

# Before SDL's handler is in place SIGTERM would simply kill the process,
# which is not the case under test; wait until the handler is there.
caught() {
    mask=$(sed -n 's/^SigCgt:[[:space:]]*//p' "/proc/$viewer/status" 2>/dev/null)
    [ -n "$mask" ] && [ $((0x$mask & 0x4000)) -ne 0 ]
}
tries=0
until caught; do
    kill -0 "$viewer" 2>/dev/null || { echo "the viewer ended before it caught SIGTERM"; exit 1; }
    tries=$((tries + 1))
    [ "$tries" -lt 600 ] || { echo "the viewer never caught SIGTERM"; exit 1; }
    sleep 0.1
done
# Let it draw a few frames, so the signal meets the running loop.
sleep 1
kill -0 "$viewer" 2>/dev/null || { echo "the viewer ended on its own"; exit 1; }
kill -TERM "$viewer"
kill -TERM "$viewer" 2>/dev/null
wait "$viewer"
status=$?
trap - EXIT
echo "after SIGTERM: exit $status"
[ "$status" -eq 0 ]
