# Sourced by the Win32 scripts: the zh_CN.UTF-8 locale, a private Wine prefix under the
# build directory, and an Xvfb display of our own. Needs ROOT (scripts/lib/common.sh).

BUILD="$ROOT/build/win32"
WINE_TIMEOUT=${WINE_TIMEOUT:-120}

# wine64 runs 64-bit programs without the 32-bit loader Debian's wrapper looks for.
if [ -x /usr/lib/wine/wine64 ]; then WINE=/usr/lib/wine/wine64; else WINE=$(command -v wine); fi
WINESERVER=$(command -v wineserver || echo /usr/lib/wine/wineserver)
export WINEPREFIX="$BUILD/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="  # no Mono or Gecko install prompt
export WINEARCH=win64

# Wine takes its ANSI code page from the locale: zh_CN gives code page 936.
ensure_zh_locale() {
  if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
    say "Generating the zh_CN.UTF-8 locale"
    if [ -f /etc/locale.gen ] && grep -q 'zh_CN.UTF-8 UTF-8' /etc/locale.gen; then
      sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
      locale-gen >/dev/null
    else
      localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
    fi
  fi
  export LC_ALL=zh_CN.UTF-8 LANG=zh_CN.UTF-8
}

XVFB_PID=
# Starts Xvfb on a display it finds free itself (-displayfd: a lock file or a socket held
# by any other server makes it move on) and exports DISPLAY.
start_xvfb() {
  local number
  number=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$number" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do
    [ -s "$number" ] && break
    kill -0 "$XVFB_PID" 2>/dev/null || die "Xvfb did not start"
    sleep 0.05
  done
  [ -s "$number" ] || die "Xvfb did not start"
  export DISPLAY=":$(tr -d '[:space:]' <"$number")"
  rm -f "$number"
}

stop_wine_and_xvfb() {
  timeout 20 "$WINESERVER" -k >/dev/null 2>&1 || true
  if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null || true; wait "$XVFB_PID" 2>/dev/null || true; fi
}

# Creates the prefix once; later runs reuse it.
ensure_wineprefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    say "Creating the Wine prefix in build/win32/wineprefix"
    mkdir -p "$WINEPREFIX"
    timeout "$WINE_TIMEOUT" "$WINE" wineboot --init >/dev/null 2>&1 || die "wineboot failed"
  fi
  # wineserver stays up between the test programs, so each one starts quickly.
  timeout "$WINE_TIMEOUT" "$WINESERVER" -p 60 >/dev/null 2>&1 || true
}

wine_run() {  # wine_run SECONDS PROGRAM ARGS...: a Windows program, killed if it hangs
  local seconds=$1; shift
  timeout -k 5 "$seconds" "$WINE" "$@"
}
