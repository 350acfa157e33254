#!/bin/sh
# Usage: scripts/qt/screenshot.sh OUT.png
# Shoots the real navcss window on a private virtual X display. Needs a finished
# `cmake --build --preset linux`.
set -eu
[ $# -eq 1 ] || { echo "usage: $0 OUT.png" >&2; exit 2; }
root=$(cd "$(dirname "$0")/../.." && pwd)
bin=$root/build/linux/src/qt/navcss
[ -x "$bin" ] || { echo "navcss is not built: run cmake --build --preset linux first" >&2; exit 1; }
case $1 in /*) out=$1 ;; *) out=$(pwd)/$1 ;; esac
mkdir -p "$(dirname "$out")"

# The inner shell runs with the virtual display as DISPLAY.
xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" sh -eu -c '
  "$1" &
  pid=$!
  trap "kill $pid 2>/dev/null || true" EXIT
  id=$(xdotool search --sync --pid "$pid" --name Quenlar | head -n 1)
  # The first frame is painted right after mapping; give it a moment to settle.
  sleep 1
  /usr/bin/import -window "$id" "$2"
' navcss "$bin" "$out"
echo "$out"
