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
echo "Screenshots written to $docs"
