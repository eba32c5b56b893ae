#!/usr/bin/env bash
# Times a "run" click to results written in this tree against an earlier commit, in one run on
# both front-ends: the two desktop benchmarks take turns, round after round, and so do the two
# pages in one headless Chromium (bench/web/bench.mjs). The earlier commit is checked out and
# built under build-against/.
#
# With --instructions, it counts instead of timing, for a number that neither the machine's load
# nor its clock moves: each desktop benchmark runs under callgrind, which counts the instructions
# inside QAbstractButton::click() only (--toggle-collect), one click per repetition
# (--benchmark_min_time=0). A run of one click is subtracted from a run of six, so that the
# first click's one-time work (fonts, the locale) drops out: what is left is five clicks, from
# which one click's instructions and the ratio of the two trees. Runs of the same sources
# agree to a few tenths of a percent.
# Usage: bench/against.sh [--instructions] COMMIT [ROUNDS]   (ROUNDS: timing only)
set -euo pipefail
cd "$(dirname "$0")/.."
usage="usage: bench/against.sh [--instructions] COMMIT [ROUNDS]"
instructions=false
if [[ "${1:-}" == --instructions ]]; then
    instructions=true
    shift
fi
commit=$(git rev-parse --short "${1:?$usage}")
rounds=${2:-6}
earlier=build-against/$commit

if $instructions; then
    scripts/setup-deps.sh run test
    command -v valgrind >/dev/null || { echo "--instructions needs valgrind" >&2; exit 1; }
else
    scripts/setup-deps.sh run test web
fi
[ -d "$earlier/src" ] || git worktree add --detach "$earlier/src" "$commit" >/dev/null
for tree in "$earlier/src:$earlier/native" ".:build-against/this"; do
    cmake -S "${tree%%:*}" -B "${tree#*:}" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DBUILD_TESTING=OFF -DVELMORA_BENCH=ON >/dev/null
    cmake --build "${tree#*:}" --target bench_run_window >/dev/null
done

export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

clicks_counted() { # BUILD CASE CLICKS: the instructions inside CLICKS clicks of "run"
    local out
    out=$(mktemp)
    valgrind --tool=callgrind --callgrind-out-file="$out" --toggle-collect='QAbstractButton::click()' \
        "$1/bench/bench_run_window" --benchmark_filter="^$2ClickToResults/" \
        --benchmark_min_time=0 --benchmark_repetitions="$3" 2>&1 >/dev/null |
        sed -n 's/.*Collected : //p'
    rm -f "$out"
}
if $instructions; then
    echo "Desktop, \"run\" click to results written: instructions of one click, under callgrind"
    echo
    echo "| case | $commit | this tree | ratio |"
    echo "|---|---|---|---|"
    for case in equation system; do
        counts=()
        for build in "$earlier/native" build-against/this; do
            counts+=($((($(clicks_counted "$build" "$case" 6) - $(clicks_counted "$build" "$case" 1)) / 5)))
        done
        echo "| $case | ${counts[0]} | ${counts[1]} | $(awk -v a="${counts[1]}" -v b="${counts[0]}" 'BEGIN { printf "%.3f", a / b }') |"
    done
    exit 0
fi

filter='(equation|system)ClickToResults'
median_of() { # NAME: the median of the medians each round printed for NAME
    grep -h "^$1/manual_time_median" "${@:2}" | awk '{ print $2 * ($3 == "ms" ? 1000 : 1) }' |
        sort -g | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}
results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT
for round in $(seq "$rounds"); do
    order=("$earlier/native" build-against/this)
    ((round % 2)) || order=(build-against/this "$earlier/native")
    for build in "${order[@]}"; do
        "$build/bench/bench_run_window" --benchmark_filter="$filter" --benchmark_repetitions=5 \
            --benchmark_report_aggregates_only=true 2>/dev/null >>"$results/$(basename "$build")"
    done
done
echo "Desktop, \"run\" click to results written: medians of $rounds rounds, turn about (µs)"
echo
echo "| case | $commit | this tree | ratio |"
echo "|---|---|---|---|"
for case in equation system; do
    before=$(median_of "${case}ClickToResults" "$results/native")
    after=$(median_of "${case}ClickToResults" "$results/this")
    echo "| $case | $before | $after | $(awk -v a="$after" -v b="$before" 'BEGIN { printf "%.2f", a / b }') |"
done
echo

(cd "$earlier/src" && scripts/build-web.sh >/dev/null)
VELMORA_BASELINE_SITE="$earlier/src/build-web/site" bench/web/run.sh 4 | sed -n '/turn about/,/^$/p'
