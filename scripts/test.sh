#!/usr/bin/env bash
# Builds Velmora and runs every test (installing what is missing). Window tests run offscreen.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh test
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
ctest --test-dir build --output-on-failure --timeout 300
