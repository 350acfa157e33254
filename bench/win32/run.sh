#!/usr/bin/env bash
# Start-up to first painted frame and peak working set of navcss.exe against a minimal Win32
# window built the same way, both under Wine on a private Xvfb, as ratios; and the exe's size.
#   bench/win32/run.sh [runs]   (default 10 runs each, interleaved; medians)
source "$(dirname "$0")/../../scripts/lib/common.sh"
source "$ROOT/scripts/win32/env.sh"
cd "$ROOT"
runs=${1:-10}

ensure_zh_locale
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j"$(nproc)" --target navcss >/dev/null
bench="$BUILD/bench"
cmake -S bench/win32 -B "$bench" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
cmake --build "$bench" -j"$(nproc)" >/dev/null

start_xvfb
trap stop_wine_and_xvfb EXIT
ensure_wineprefix

probe() { wine_run 300 "$bench/startup_probe.exe" "$1" "$2" | tr -d '\r'; }
probe "$bench/minimal_window.exe" 1 >/dev/null  # warm Wine's caches once for both
probe "$BUILD/src/win32/navcss.exe" 1 >/dev/null
base_ms=() base_kib=() app_ms=() app_kib=() text_ms=() text_kib=() kids_ms=() kids_kib=()
for _ in $(seq "$runs"); do
  read -r ms kib < <(probe "$bench/minimal_window.exe" 1); base_ms+=("$ms"); base_kib+=("$kib")
  read -r ms kib < <(probe "$BUILD/src/win32/navcss.exe" 1); app_ms+=("$ms"); app_kib+=("$kib")
  read -r ms kib < <(probe "$bench/minimal_text_window.exe" 1); text_ms+=("$ms"); text_kib+=("$kib")
  read -r ms kib < <(probe "$bench/minimal_children_window.exe" 1); kids_ms+=("$ms"); kids_kib+=("$kib")
done
median() { printf '%s\n' "$@" | sort -g | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
bm=$(median "${base_ms[@]}") bk=$(median "${base_kib[@]}")
am=$(median "${app_ms[@]}") ak=$(median "${app_kib[@]}")
tm=$(median "${text_ms[@]}") tk=$(median "${text_kib[@]}")
cm=$(median "${kids_ms[@]}") ck=$(median "${kids_kib[@]}")
size=$(stat -c %s "$BUILD/src/win32/navcss.exe")
echo "runs each (interleaved, medians): $runs"
printf 'start-up to first frame: navcss.exe %s ms, minimal window %s ms, ratio %s (aim <= 1.25)\n' \
  "$am" "$bm" "$(awk -v a="$am" -v b="$bm" 'BEGIN {printf "%.2f", a / b}')"
printf 'peak working set:        navcss.exe %s KiB, minimal window %s KiB, ratio %s (aim <= 1.25)\n' \
  "$ak" "$bk" "$(awk -v a="$ak" -v b="$bk" 'BEGIN {printf (b > 0 ? "%.2f" : "n/a"), (b > 0 ? a / b : 0)}')"
printf 'against the minimal window with one Chinese line: %s ms, ratio %s; %s KiB, ratio %s\n' \
  "$tm" "$(awk -v a="$am" -v b="$tm" 'BEGIN {printf "%.2f", a / b}')" \
  "$tk" "$(awk -v a="$ak" -v b="$tk" 'BEGIN {printf "%.2f", a / b}')"
printf 'against the minimal window with 56 plain child windows: %s ms, ratio %s; %s KiB, ratio %s\n' \
  "$cm" "$(awk -v a="$am" -v b="$cm" 'BEGIN {printf "%.2f", a / b}')" \
  "$ck" "$(awk -v a="$ak" -v b="$ck" 'BEGIN {printf "%.2f", a / b}')"
printf 'navcss.exe size:         %s bytes (%s KiB; aim < 1 MB)\n' "$size" "$((size / 1024))"
