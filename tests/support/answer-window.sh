#!/bin/sh
# Answers a window the way a person would, from outside the test process:
# waits for the mapped window titled TITLE, focuses it and runs the xdotool
# commands KEYS, again every half second until the window is gone or
# SECONDS have passed. Runs as its own process because the program under
# test may fork (SDL message boxes do) and a helper thread could then
# deadlock the child.
# Usage: answer-window.sh TITLE KEYS SECONDS
title=$1
keys=$2
end=$(( $(date +%s) + $3 ))
pressed=0
while [ "$(date +%s)" -lt "$end" ]; do
  id=""
  for candidate in $(xwininfo -root -children 2>/dev/null | grep -F "\"$title\"" | awk '{print $1}'); do
    xwininfo -id "$candidate" 2>/dev/null | grep -q IsViewable && id=$candidate
  done
  if [ -z "$id" ]; then
    [ "$pressed" -eq 1 ] && exit 0
    sleep 0.1
    continue
  fi
  # shellcheck disable=SC2086
  xdotool windowfocus --sync "$id" sleep 0.2 $keys >/dev/null 2>&1
  pressed=1
  sleep 0.5
done
exit 1
