#!/usr/bin/env bash
# Renders the program's PNG icons from resources/zephrane.svg (run after a
# change of the SVG and commit the result; the build itself needs no SVG
# tool). Needs librsvg2-bin.
set -euo pipefail
cd "$(dirname "$0")/../resources"
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" zephrane.svg -o "icons/zephrane-$size.png"
done
echo "icons written to resources/icons"
