#!/usr/bin/env bash
# The program in a real X session under real window managers: the main window comes in front of
# the information window when clicked, "INFO" brings back a minimised information window, and
# closing the main window leaves the information window on screen, not minimised out of sight.
# Usage: window_managers.sh <build dir>
set -euo pipefail
program=$1/src/desktop/Velmora
failed=0

# INFO's centre within the client area, and the client area's height, as the program must show
# them; the menu bar above the client area is measured in the session.
design=$(dirname "$0")/../design_places.json
read -r left top width height < <(jq -r '.Form1.controls.Command5.place | @tsv' "$design")
info_x=$((left + width / 2))
info_y=$((top + height / 2))
client_height=$(jq -r '.Form1.client[1]' "$design")

# shellcheck disable=SC2016 # the inner script expands its own variables
session='
set -u
program=$1 wm=$2 info_x=$3 info_y=$4 client_height=$5
fail() { echo "FAIL ($wm): $*"; failed=1; }
failed=0
# Runs a check every tenth of a second until it holds, for at most five seconds.
within() {
    for _ in $(seq 50); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; }
"$wm" >/dev/null 2>&1 &
within wm_running || { echo "FAIL ($wm): the window manager did not start"; exit 1; }
"$program" &
app=$!
wait_for() { # a window title; prints the window id
    for _ in $(seq 50); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1) || true
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        sleep 0.2
    done
    return 1
}
state() { xprop -id "$1" WM_STATE | sed -n "s/.*window state: //p"; }
top() { xprop -root _NET_CLIENT_LIST_STACKING | grep -o "0x[0-9a-f]*" | tail -1; }
hex() { printf "0x%x" "$1"; }
in_state() { [[ "$(state "$1")" == "$2" ]]; }
on_top() { [[ "$(top)" == "$(hex "$1")" ]]; }
ended() { ! kill -0 "$app" 2>/dev/null; }
shown_or_ended() { in_state "$1" Normal || ended; }

welcome=$(wait_for Velmora) || { echo "FAIL ($wm): no welcome box"; exit 1; }
xdotool windowactivate --sync "$welcome" key Return
main=$(wait_for Equation) || { echo "FAIL ($wm): no main window"; exit 1; }
within in_state "$main" Normal || { echo "FAIL ($wm): the main window is not managed"; exit 1; }
# The menu bar is what the window holds above the client area.
window_height=$(xwininfo -id "$main" | sed -n "s/^ *Height: //p")
info_at() {
    xdotool mousemove --sync --window "$main" "$info_x" $((window_height - client_height + info_y)) \
        click 1
}
info_at
info=$(wait_for Information) || { echo "FAIL ($wm): INFO showed no window"; exit 1; }
within on_top "$info" || fail "INFO showed the information window behind the main window"
xdotool mousemove --sync --window "$main" 20 60 click 1
within on_top "$main" || fail "a click on the main window leaves it behind the information window"

xdotool windowminimize "$info"
within in_state "$info" Iconic || fail "the information window did not minimise: $(state "$info")"
info_at
within in_state "$info" Normal || fail "INFO left the minimised window $(state "$info")"
within on_top "$info" || fail "INFO did not raise the information window"

xdotool windowminimize "$info"
within in_state "$info" Iconic || fail "the information window did not minimise again: $(state "$info")"
wmctrl -i -c "$(hex "$main")"
within shown_or_ended "$info" || true
ended && fail "the program ended with the information window open"
in_state "$info" Normal || fail "the information window stays minimised, with nothing else on screen"
wmctrl -i -c "$(hex "$info")"
within ended || { fail "the program runs on with no window"; kill "$app"; }
exit $failed
'
for wm in metacity openbox; do
    xvfb-run -a -s "-screen 0 1024x768x24" \
        bash -c "$session" session "$program" "$wm" "$info_x" "$info_y" "$client_height" \
        || failed=1
done
exit $failed
