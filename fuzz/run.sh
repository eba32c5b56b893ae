#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a number of seconds on its corpus in
# fuzz/corpus/<target>/, then merges the inputs that found something new into that corpus.
# Inputs that crash or break a property are written to fuzz/crashes/. The targets are those the
# build lists (fuzz/targets.cmake); each one's longest input is the max_len of its
# fuzz/<target>.options.
# Usage: fuzz/run.sh [seconds per target, default 60] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
targets=("$@")

scripts/setup-deps.sh fuzz

cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
cmake --build build-fuzz
[[ ${#targets[@]} -gt 0 ]] || mapfile -t targets <build-fuzz/targets.txt

mkdir -p fuzz/crashes build-fuzz/logs
failed=()
for target in "${targets[@]}"; do
    max_len=$(sed -n 's/^max_len *= *//p' "fuzz/$target.options")

    # New inputs go to a scratch folder first, so that only those adding coverage reach the
    # corpus kept in the repository.
    scratch=build-fuzz/new-inputs/$target
    rm -rf "$scratch"
    mkdir -p "$scratch" "fuzz/corpus/$target"
    log=build-fuzz/logs/$target.log
    echo "== $target: $seconds s, log in $log"
    status=0
    "build-fuzz/$target" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 \
        -dict=fuzz/velmora.dict -artifact_prefix="fuzz/crashes/$target-" -print_final_stats=1 \
        "$scratch" "fuzz/corpus/$target" >"$log" 2>&1 || status=$?
    grep -E '^#[0-9]+[[:space:]]+(DONE|pulse|NEW|REDUCE)' "$log" | tail -1 || true
    grep -E '^stat::number_of_executed_units' "$log" || true
    if [[ $status -ne 0 ]]; then
        failed+=("$target")
        grep -E -A12 'PROPERTY FAILED|ERROR: (AddressSanitizer|libFuzzer)|runtime error' "$log" | head -40 || true
    fi

    # Only inputs that reach new code join it: counting how often each edge runs as well would
    # keep the corpus growing by hundreds of inputs a run.
    "build-fuzz/$target" -merge=1 -use_counters=0 -max_len="$max_len" "fuzz/corpus/$target" "$scratch" \
        >"build-fuzz/logs/$target-merge.log" 2>&1 || echo "merge failed, see build-fuzz/logs/$target-merge.log"
    echo "corpus: $(ls "fuzz/corpus/$target" | wc -l) inputs"
done

if [[ ${#failed[@]} -gt 0 ]]; then
    echo "Found problems in: ${failed[*]} (inputs in fuzz/crashes/)"
    exit 1
fi
