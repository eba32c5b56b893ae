#!/usr/bin/env bash
# Builds Velmora's page, the minimal page and the desktop's window benchmark, and times the page
# in headless Chromium, against the minimal page and, for a pasted megabyte, the desktop; then
# both pages' starts on the mobile profile (bench/web/mobile.mjs), 7 rounds.
# Usage: bench/web/run.sh [STARTS]
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/build-web.sh >/dev/null
scripts/setup-deps.sh run test
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DVELMORA_BENCH=ON >/dev/null
cmake --build build --target bench_run_window >/dev/null
(cd tests/web && ../../scripts/check-node.sh && npm ci --no-audit --no-fund >/dev/null)
VELMORA_DESKTOP_BENCH=build/bench/bench_run_window node bench/web/bench.mjs "${1:-20}"
exec node bench/web/mobile.mjs 7
