#!/bin/sh
# Regenerates the PNG sizes and the multi-size .ico from navcss.svg.
set -eu
cd "$(dirname "$0")"
sizes="16 24 32 48 64 256"
pngs=""
for s in $sizes; do
    rsvg-convert -w "$s" -h "$s" navcss.svg -o "navcss-$s.png"
    pngs="$pngs navcss-$s.png"
done
# The ImageMagick binary proper; other convert tools may shadow it on PATH.
/usr/bin/convert $pngs navcss.ico
