#!/usr/bin/env bash
# Builds the win32 preset and runs the core suite and the GUI tests under Wine on a private
# Xvfb display, with the zh_CN.UTF-8 locale (ANSI code page 936). Exits non-zero on failure.
source "$(dirname "$0")/../lib/common.sh"
source "$ROOT/scripts/win32/env.sh"
cd "$ROOT"

ensure_zh_locale
say "win32: configure and build"
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j"$(nproc)"

start_xvfb
trap stop_wine_and_xvfb EXIT
ensure_wineprefix

status=0
say "win32: core suite under Wine"
wine_run 180 "$BUILD/tests/navcss_core_tests.exe" --gtest_brief=1 || status=1
say "win32: GUI tests under Wine on $DISPLAY"
wine_run 240 "$BUILD/tests/win32/navcss_win32_tests.exe" "$BUILD/src/win32/navcss.exe" \
  --gtest_brief=1 || status=1
say "win32: package"
(cd "$BUILD" && cpack >/dev/null) && unzip -l "$BUILD/navcss-"*-win64.zip | grep -q 'navcss.exe' ||
  status=1
[ $status -eq 0 ] && echo "win32: all passed" || echo "win32: FAILED"
exit $status
