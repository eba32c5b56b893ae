#!/bin/bash
# Start-up benchmark: Velmora against a minimal Qt Widgets program of the same shape, under a
# private Xvfb, interleaved, with the figures as ratios of the minimal program's.
#
#   cmake -S . -B build -G Ninja -DVELMORA_BENCH=ON && cmake --build build
#   bench/startup/run.sh build 20        # build dir, rounds (default 20)
#   bench/startup/run.sh build 20 /path/to/other/Velmora   # a third program, e.g. a build of
#                                                           # an earlier commit, for before/after
#
# Needs the Debian packages xvfb, libx11-dev and libxtst-dev (the probe speaks Xlib and XTEST),
# and python3 for the summary. Not part of the test suite.
# Each round starts each program and times exec -> welcome box mapped; once the box has the input
# focus and 300 ms have passed, it presses Return and times the press -> main window mapped; after
# 1 s idle it reads VmRSS, Pss and the private memory, kills the program and takes its CPU time.
# The medians, min and max, and Velmora's ratios to the minimal program, are printed; the raw rows
# are kept in BUILD/bench/startup/last-run.tsv.
set -euo pipefail

build=${1:?usage: run.sh BUILD_DIR [ROUNDS] [OTHER_VELMORA]}
rounds=${2:-20}
other=${3:-}
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$build" && pwd)

velmora=$build/src/app/Velmora
minimal=$build/bench/startup/minimal_app
probe=$build/bench/startup/startup_probe
for program in "$velmora" "$minimal" "$probe"; do
    [[ -x $program ]] || { echo "missing $program: build with -DVELMORA_BENCH=ON" >&2; exit 1; }
done

# Other work on the machine (builds, tests) stretches every wall-clock figure: where allowed, the
# X server, the probe and the programs run at a higher priority than it.
boost=()
nice -n -10 true 2>/dev/null && boost=(nice -n -10)

# Xvfb picks a free display and writes its number to the descriptor given.
display_file=$(mktemp)
"${boost[@]}" Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; rm -f "$display_file"' EXIT
for _ in $(seq 100); do
    [[ -s $display_file ]] && break
    sleep 0.05
done
[[ -s $display_file ]] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -n1 "$display_file")

# The real X platform, the same for both programs, and no settings of the calling session.
unset QT_QPA_PLATFORM QT_STYLE_OVERRIDE QT_QPA_PLATFORMTHEME SESSION_MANAGER
export QT_QPA_PLATFORM=xcb

rows=$build/bench/startup/last-run.tsv
status=0
programs=(Velmora "$velmora" minimal "$minimal")
[[ -n $other ]] && programs+=(other "$(realpath "$other")")
"${boost[@]}" "$probe" "$rounds" "${programs[@]}" >"$rows" || status=$?
/usr/bin/python3 "$here/summarize.py" <"$rows" || status=$?
exit "$status"
