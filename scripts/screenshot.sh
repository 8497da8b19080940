#!/usr/bin/env bash
# Starts the application under a virtual X server and saves a picture of the
# screen, with the application's window on it, to the given PNG file.
#
#   scripts/screenshot.sh <output.png> [seconds to wait, default 3]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$(realpath -m "${1:?usage: screenshot.sh <output.png> [seconds]}")
wait_seconds=${2:-3}
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build" >/dev/null

display=:$(( 90 + RANDOM % 100 ))
Xvfb "$display" -screen 0 800x700x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
sleep 1
DISPLAY=$display QT_QPA_PLATFORM=xcb "$root/build/app/qelm-questionnaires" &
app=$!
sleep "$wait_seconds"
DISPLAY=$display QT_QPA_PLATFORM=xcb "$root/build/tools/grab_screen" "$out"
echo "saved $out"
