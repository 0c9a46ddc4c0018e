#!/usr/bin/env bash
# Makes the README's picture of the window: starts tallaro on a virtual X server, types 1 and
# 7 as a user would, ticks "循環小数の表示", presses A÷B, and saves the window as a PNG.
# Usage: scripts/screenshot.sh [BUILD_DIR] [OUTPUT]   (default build/app, docs/tallaro-window.png)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/app}
out=${2:-docs/tallaro-window.png}

scripts/install-deps.sh build screenshot
if [ -f "$build/build.ninja" ]; then
  cmake --build "$build" --target tallaro tallaro_help
else
  scripts/build.sh "$build" -DCMAKE_BUILD_TYPE=Release -DTALLARO_BUILD_TESTS=OFF -DTALLARO_BUILD_BENCH=OFF
fi

# The first display number nobody holds.
display=99
while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=
trap '[ -n "$app" ] && kill "$app" 2>/dev/null; kill "$xvfb" 2>/dev/null' EXIT
export DISPLAY=":$display"
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

"$build/ui/qt/tallaro" >/dev/null 2>&1 &
app=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name 'GRANDNUM')
read -r width height < <(xdotool getwindowgeometry "$window" |
                         awk '/Geometry/ { split($2, size, "x"); print size[1], size[2] }')

# Clicks at a point given in the dialog's units (it is 505 x 298 of them), whatever the font.
click() {
  xdotool mousemove --window "$window" $(($1 * width / 505)) $(($2 * height / 298)) click 1
  sleep 0.3
}
click 169 50            # operand A
xdotool type --delay 60 1
click 169 128           # operand B
xdotool type --delay 60 7
click 372 184           # the check box
click 240 177           # A÷B
xdotool mousemove --window "$window" 2 2
sleep 1

mkdir -p "$(dirname "$out")"
import -window "$window" -strip "$out"
echo "screenshot: $out (${width}x$height)"
