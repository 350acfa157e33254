#!/bin/sh
# Builds and runs the Qt benchmark on a private virtual X display:
# start-up to the first painted frame and peak memory against an empty Qt window of the
# same size, and the time of one keystroke and one hover switch.
# Usage: bench/qt/run.sh [RUNS]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$root/build/bench-qt
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$build"
xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
  "$build/navcss_bench_runner" "$build/navcss_bench_window" "$build/navcss_bench_minimal" "${1:-7}" \
  "$build/navcss_bench_minimal_text"
