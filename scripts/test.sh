#!/usr/bin/env bash
# Builds Velmora and runs every test (installing what is missing), then the same suite again
# under AddressSanitizer and UndefinedBehaviorSanitizer. Window tests run offscreen.
set -euo pipefail
cd "$(dirname "$0")/.."

# A file not formatted as .clang-format asks fails the run before anything is built.
scripts/check-format.sh

# Then the program exactly as the run command builds it, before any test package is installed,
# so that the run command cannot come to depend on one unseen.
scripts/run.sh --build-only

scripts/setup-deps.sh run package test
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DVELMORA_BENCH=ON
cmake --build build
ctest --test-dir build --output-on-failure --timeout 300 --no-tests=error

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON \
    -DVELMORA_SANITIZE=ON
cmake --build build-sanitize
ctest --test-dir build-sanitize --output-on-failure --timeout 300 --no-tests=error \
    --label-exclude "packaging|session"
scripts/test-web.sh
