#!/usr/bin/env bash
# The real process: bytes on stdout, exit codes, nothing on stdout after a bad argument.
set -u
cli=$1
fail() { echo "FAIL: $*"; exit 1; }

size=$("$cli" | wc -c) || fail "default run"
[ "$size" -eq 1193 ] || fail "default CSS is $size bytes, not 1193"
[ "$("$cli" | tail -c 2 | od -An -tx1 | tr -d ' ')" = "0d0a" ] || fail "last line end is not CRLF"
[ "$("$cli" --snippet hidden | wc -c)" -eq 92 ] || fail "hidden snippet length"
[ "$("$cli" --colour '红FF0000')" = "#0F0000" ] || fail "--colour with a Chinese lead"

out=$("$cli" NoSuchKey=1 2>/dev/null); code=$?
[ "$code" -eq 2 ] || fail "bad key exits $code, not 2"
[ -z "$out" ] || fail "bad key printed on stdout"
err=$("$cli" NoSuchKey=1 2>&1 >/dev/null)
[ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] || fail "bad key: not one line on stderr"
echo "navcss-cli process checks passed"
