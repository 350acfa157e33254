#!/usr/bin/env bash
# Builds navcss.exe and opens it under Wine. Without a DISPLAY it runs on a private Xvfb,
# saves a screenshot and says where.
source "$(dirname "$0")/../lib/common.sh"
source "$ROOT/scripts/win32/env.sh"
cd "$ROOT"

ensure_zh_locale
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j"$(nproc)" --target navcss

if [ -n "${DISPLAY:-}" ]; then
  ensure_wineprefix
  say "Opening navcss.exe under Wine (close the window to end)"
  exec "$WINE" "$BUILD/src/win32/navcss.exe"
fi

start_xvfb
trap stop_wine_and_xvfb EXIT
ensure_wineprefix
say "No display: running on Xvfb $DISPLAY"
wine_run 30 "$BUILD/src/win32/navcss.exe" &
app=$!
for _ in $(seq 100); do
  xdotool search --name 'Quenlar' >/dev/null 2>&1 && break
  sleep 0.1
done
sleep 1  # let the first frame reach the screen
shot="$BUILD/navcss-wine.png"
window=$(xdotool search --name 'Quenlar' | head -1)
if [ -n "$window" ]; then
  /usr/bin/convert x:"$window" "$shot" 2>/dev/null || import -window root "$shot"
else
  import -window root "$shot"
fi
xdotool key --window "${window:-0}" Escape >/dev/null 2>&1 || true
wait "$app" 2>/dev/null || true
say "Screenshot: $shot"
