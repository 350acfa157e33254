#!/bin/sh
# Opens the navcss window. Without a display it runs on a virtual one, saves a
# screenshot and says where. Needs a finished `cmake --build --preset linux`.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
bin=$root/build/linux/src/qt/navcss
[ -x "$bin" ] || { echo "navcss is not built: run cmake --build --preset linux first" >&2; exit 1; }
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$bin"
fi
shot=$root/build/linux/navcss-screenshot.png
"$root/scripts/qt/screenshot.sh" "$shot" > /dev/null
echo "No display: navcss ran on a virtual display (Xvfb). Screenshot: $shot"
