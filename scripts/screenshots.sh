#!/usr/bin/env bash
# Takes the README's screenshots under Xvfb with a window manager: the
# start-up warning, the main window in a light and in a dark desktop theme,
# and the checklist window of a transfer order on the sample installation.
# Needs xvfb, openbox, xdotool, x11-utils, imagemagick and qt6-gtk-platformtheme (the
# dark theme is GTK's Adwaita:dark as Qt reads it).
#   scripts/screenshots.sh BUILD_DIR
set -euo pipefail
build=$(realpath "${1:-build}")
docs=$(realpath "$(dirname "$0")/../docs")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

mapfile -t folders < <("$build/tools/sample/zephrane-sample" "$scratch/sample")
mkdir -p "$scratch/program" "$scratch/runtime"
chmod 700 "$scratch/runtime"
cp "$build/zephrane" "$scratch/program/"
settings() {  # settings FLAG
    printf ' %s \r\n%s\r\n%s\r\n%s\r\n' "$1" "${folders[0]}" "${folders[1]}" "${folders[2]}" \
        >"$scratch/program/Control.txt"
}

cat >"$scratch/shoot.sh" <<'SHOOT'
set -euo pipefail
program=$1 docs=$2
openbox >/dev/null 2>&1 &
sleep 1

active() {  # the active window; fails rather than leave import waiting for a click
    xdotool getactivewindow
}
shoot() {  # shoot FILE: the active window with its title bar
    sleep 1
    local id
    id=$(active)
    import -frame -window "$id" "$docs/$1"
}
# Clicks a control's centre in the main window, from its place in twips (96
# dots per inch: 15 twips a pixel). The client area's corner comes from
# xwininfo: xdotool counts the window manager's title bar twice.
at() {  # at LEFT TOP WIDTH HEIGHT
    local id x y
    id=$(active)
    x=$(xwininfo -id "$id" | sed -n 's/.*Absolute upper-left X: *//p')
    y=$(xwininfo -id "$id" | sed -n 's/.*Absolute upper-left Y: *//p')
    xdotool mousemove $((x + ($1 + $3 / 2) / 15)) $((y + ($2 + $4 / 2) / 15)) click 1
    sleep 0.5
}
pick() {  # pick LEFT TOP WIDTH HEIGHT KEYS...: opens a list and picks by keys
    at "$1" "$2" "$3" "$4"
    shift 4
    xdotool key "$@" Return
    sleep 0.5
}

fill_transfer() {
    at 600 6240 2415 255                   # Transfer Between U-Flottillen
    pick 5880 6240 735 315 S               # Sep
    pick 6600 6240 855 315 1               # the next year beginning with 1
    pick 360 6960 2175 315 Down            # the first starting location
    pick 2880 6960 3015 315 Down Down      # the second U-Flottille
}

# Light theme: the warning, then the main window with a transfer order
# filled in; without a text viewer on PATH its checklist opens in the
# program's own window.
env PATH=/nonexistent "$program" &
sleep 3
shoot warning-window.png
xdotool key Tab space
sleep 2
fill_transfer
shoot main-window.png
at 6360 7200 1215 495                      # Initiate Update
sleep 3
shoot checklist-window.png
kill %2 2>/dev/null || true
sleep 1

# Dark theme.
env QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark "$program" &
sleep 3
xdotool key Tab space
sleep 2
fill_transfer
shoot main-window-dark.png
kill %3 2>/dev/null || true
kill %1 2>/dev/null || true
SHOOT

settings 0
# The journal of these runs goes to the scratch folder, not the user's own.
XDG_RUNTIME_DIR="$scratch/runtime" XDG_STATE_HOME="$scratch/state" xvfb-run -a -s "-screen 0 1024x900x24 -dpi 96" \
    bash "$scratch/shoot.sh" "$scratch/program/zephrane" "$docs"
echo "Screenshots written to $docs"
