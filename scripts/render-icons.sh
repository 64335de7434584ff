#!/usr/bin/env bash
# Renders the program's PNG icons from resources/zephrane.svg, and the
# Windows icon (zephrane.ico) from them (run after a change of the SVG and
# commit the result; the build itself needs no SVG tool). Needs librsvg2-bin
# and icoutils.
set -euo pipefail
cd "$(dirname "$0")/../resources"
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" zephrane.svg -o "icons/zephrane-$size.png"
done
# Windows shows the 256-pixel icon as a PNG inside the .ico.
icotool -c -o zephrane.ico icons/zephrane-{16,24,32,48,64,128}.png --raw=icons/zephrane-256.png
echo "icons written to resources/icons and resources/zephrane.ico"
