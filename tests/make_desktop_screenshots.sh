#!/usr/bin/env bash
# Takes the README's pictures of the desktop program under a virtual X server with openbox,
# driven by xdotool as a user would, each cropped to its window's frame with ImageMagick:
# docs/desktop-working.png (the Working window beside the main window), docs/desktop-working-
# methods.png (its Method list open), docs/desktop-tools-menu.png, and the "Equation" box reading a
# typed equation and refusing one, docs/desktop-equation.png and docs/desktop-equation-refused.png,
# and the Practice window after a wrong answer with the working shown, docs/practice-desktop.png.
# Needs Xvfb, openbox, xdotool, x11-utils and imagemagick (none of them a build dependency).
# Usage (after building): tests/make_desktop_screenshots.sh [path of the program]
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/src/desktop/Velmora}")
docs=$PWD/docs
export DISPLAY=:${VELMORA_DISPLAY:-99}
shots=$(mktemp -d)

Xvfb "$DISPLAY" -screen 0 1600x900x24 >/dev/null 2>&1 &
pids=($!)
trap 'kill "${pids[@]}" 2>/dev/null; rm -rf "$shots"' EXIT
sleep 1
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1
(cd "$shots" && exec "$program") >/dev/null 2>&1 &
pids+=($!)

# Left click at a place inside a window, then time for it to answer.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.5; }
# The window's frame, as ImageMagick's geometry: openbox's title bar is 20 pixels, its border 1.
frame() {
    local x y w h
    read -r x y w h < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
        /Width/ {w = $NF} /Height/ {h = $NF} END {print x, y, w, h}')
    echo "$((w + 2)) $((h + 21)) $((x - 1)) $((y - 20))"
}
screen() { xdotool mousemove 1590 890; sleep 0.3; import -window root "$shots/screen.png"; }
crop() { convert "$shots/screen.png" -crop "${2}x${3}+${4}+${5}" +repage "$docs/$1"; }

xdotool search --sync --name '^Velmora$' >/dev/null
sleep 0.5
xdotool key Return
main=$(xdotool search --sync --name '^Equation$' | head -1)
xdotool windowmove "$main" 10 40
sleep 0.5

# x² - 3x + 2 = 0, run.
click "$main" 15 75
click "$main" 60 35
click "$main" 100 211
for box in 1 -3 2; do
    xdotool key ctrl+a
    xdotool type -- "$box"
    xdotool key Tab
done
click "$main" 160 355

click "$main" 59 8
screen
read -r _ _ x y < <(frame "$main")
crop desktop-tools-menu.png 208 84 "$((x + 1))" "$y"

click "$main" 110 29
working=$(xdotool search --sync --name '^Working$' | head -1)
sleep 0.5
screen
read -r _ mh mx my < <(frame "$main")
read -r ww wh wx wy < <(frame "$working")
crop desktop-working.png $((wx + ww - mx)) $(( (my + mh > wy + wh ? my + mh : wy + wh) - my)) "$mx" "$my"

click "$working" 145 21
screen
crop desktop-working-methods.png "$ww" "$wh" "$wx" "$wy"
xdotool key Escape
sleep 0.3

# Tools > Type an equation…, below the main window as the Working window is beside it.
click "$main" 59 8
click "$main" 120 51
sleep 0.5
box=$(xdotool search --sync --name '^Type an equation$' | head -1)
xdotool key ctrl+a
xdotool type '3(x − 1) = x²'
sleep 0.5
screen
read -r bw bh bx by < <(frame "$box")
crop desktop-equation.png "$bw" "$bh" "$bx" "$by"
xdotool key ctrl+a
xdotool type '3(x - 1 = x²'
sleep 0.5
screen
crop desktop-equation-refused.png "$bw" "$bh" "$bx" "$by"
xdotool key Escape
sleep 0.5

# Tools > Practice…: a common mistake checked, then the working shown (Alt+W).
click "$main" 59 8
click "$main" 120 73
practice=$(xdotool search --sync --name '^Practice$' | head -1)
# Over the main window, whole on the screen beside the Working window.
xdotool windowmove "$practice" 10 40
sleep 0.5
# A sheet whose first exercise is x² - 10x - 551 = 0, answered with the sign of b lost.
xdotool key alt+s ctrl+a
xdotool type '4KRA2-6EBWH'
sleep 0.3
xdotool key alt+a
xdotool type -- '-29, 19'
xdotool key Return
sleep 0.3
xdotool key alt+w
sleep 0.5
screen
read -r pw ph px py < <(frame "$practice")
crop practice-desktop.png "$pw" "$ph" "$px" "$py"
