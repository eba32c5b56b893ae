#!/usr/bin/env bash
# Builds Velmora (installing what is missing) and starts it.
# Usage: scripts/run.sh [--build-only]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh run
# A build folder of its own with the tests off: the tests need packages a user does not.
cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build build-run --target Velmora
[[ "${1:-}" == --build-only ]] && exit 0
exec build-run/src/desktop/Velmora
