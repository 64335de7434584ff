#!/usr/bin/env bash
# Takes the README's screenshots under Xvfb: the start-up warning and the
# main window on the sample installation. Needs xvfb, xdotool, imagemagick.
#   scripts/screenshots.sh BUILD_DIR
set -euo pipefail
build=$(realpath "${1:-build}")
docs=$(realpath "$(dirname "$0")/../docs")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

mapfile -t folders < <("$build/tools/sample/zephrane-sample" "$scratch/sample")
mkdir -p "$scratch/program"
cp "$build/zephrane" "$scratch/program/"
printf ' 0 \r\n%s\r\n%s\r\n%s\r\n' "${folders[0]}" "${folders[1]}" "${folders[2]}" >"$scratch/program/Control.txt"

cat >"$scratch/shoot.sh" <<SHOOT
set -e
"$scratch/program/zephrane" &
sleep 3
# No window manager runs under Xvfb: the warning window sits centred on the screen.
import -window root -crop 492x269+266+377 +repage "$docs/warning-window.png"
xdotool key Return
sleep 2
id=\$(xdotool search --name '^Zephrane\$' | head -1)
import -window "\$id" "$docs/main-window.png"
kill %1
SHOOT
xvfb-run -a -s "-screen 0 1024x1024x24" bash "$scratch/shoot.sh"

# A checklist: a serving commander's new boat on the sample, through the
# test driver, drawn as a plain text page.
mkdir -p "$scratch/order"
printf ' 1 \r\n%s\r\n%s\r\n%s\r\n' "${folders[0]}" "${folders[1]}" "${folders[2]}" >"$scratch/order/Control.txt"
printf '%s\n' start "select cboKommandant 1" "date ssEndDate 1943-02-14" "select cboYear 4" "select cboMonth 3" \
    "type txtUBoatNumber 518" "select cboLocation 0" "select cboDestination 0" "select cboUBoatType 6" \
    "click btnInitiateUpdate" | "$build/zephrane-drive" --program-dir "$scratch/order" >/dev/null 2>&1
tr -d '\r' <"$scratch/order/Instructions.txt" >"$scratch/checklist.txt"
convert -size 640x560 xc:white -font DejaVu-Sans-Mono -pointsize 11 -fill '#202020' \
    -annotate +14+18 "$(cat "$scratch/checklist.txt")" -gravity north -background '#D4D0C8' -splice 0x22 \
    -font DejaVu-Sans -pointsize 12 -fill black -annotate +0+4 'Instructions.txt' \
    -bordercolor '#808080' -border 1 "$docs/checklist.png"
echo "Screenshots written to $docs"
