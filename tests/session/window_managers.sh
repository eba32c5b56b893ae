#!/usr/bin/env bash
# The program in a real X session under real window managers: the main window comes in front of
# the information window when clicked, "INFO" brings back a minimised information window, and
# closing the main window leaves the information window on screen, not minimised out of sight.
# Usage: window_managers.sh <build dir>
set -euo pipefail
program=$1/src/desktop/Velmora
failed=0

# shellcheck disable=SC2016 # the inner script expands its own variables
session='
set -u
program=$1 wm=$2
fail() { echo "FAIL ($wm): $*"; failed=1; }
failed=0
"$wm" >/dev/null 2>&1 &
sleep 1
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

welcome=$(wait_for Velmora) || { echo "FAIL ($wm): no welcome box"; exit 1; }
xdotool windowactivate --sync "$welcome" key Return
main=$(wait_for Equation) || { echo "FAIL ($wm): no main window"; exit 1; }
sleep 0.5
# "INFO" stands at the right edge of the client area, below the menu bar.
info_at() { xdotool mousemove --window "$main" 540 330 click 1; }
info_at
info=$(wait_for Information) || { echo "FAIL ($wm): INFO showed no window"; exit 1; }
sleep 0.5
xdotool mousemove --window "$main" 20 60 click 1
sleep 0.7
[[ "$(top)" == "$(hex "$main")" ]] || fail "a click on the main window leaves it behind the information window"

xdotool windowminimize "$info"
sleep 0.7
[[ "$(state "$info")" == Iconic ]] || fail "the information window did not minimise: $(state "$info")"
info_at
sleep 0.7
[[ "$(state "$info")" == Normal ]] || fail "INFO left the minimised window $(state "$info")"
[[ "$(top)" == "$(hex "$info")" ]] || fail "INFO did not raise the information window"

xdotool windowminimize "$info"
sleep 0.7
wmctrl -i -c "$(hex "$main")"
sleep 1
kill -0 "$app" 2>/dev/null || fail "the program ended with the information window open"
[[ "$(state "$info")" == Normal ]] || fail "the information window stays minimised, with nothing else on screen"
wmctrl -i -c "$(hex "$info")"
for _ in $(seq 25); do kill -0 "$app" 2>/dev/null || break; sleep 0.2; done
kill -0 "$app" 2>/dev/null && { fail "the program runs on with no window"; kill "$app"; }
exit $failed
'
for wm in metacity openbox; do
    xvfb-run -a -s "-screen 0 1024x768x24" bash -c "$session" session "$program" "$wm" \
        || failed=1
done
exit $failed
