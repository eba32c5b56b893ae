#!/usr/bin/env bash
# Builds Velmora and runs every test (installing what is missing), then the same suite again
# under AddressSanitizer and UndefinedBehaviorSanitizer. Window tests run offscreen.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh run package test

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_BENCH=ON
cmake --build build
ctest --test-dir build --output-on-failure --timeout 300

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON
cmake --build build-sanitize
ctest --test-dir build-sanitize --output-on-failure --timeout 300 --label-exclude packaging
