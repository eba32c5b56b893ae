#!/usr/bin/env bash
# Builds Velmora's page and runs its tests: the table of number conversions through the native
# and the browser build of the core, then the page in Debian's Chromium, headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build-web.sh

# The desktop's build of the same conversions, to compare with the browser's under Node.
mkdir -p build-web/native-tools
c++ -std=c++20 -O2 -Wall -Wextra -Wpedantic -Isrc tests/web/conversions.cpp src/core/*.cpp \
    -o build-web/native-tools/conversions

cd tests/web
../../scripts/check-node.sh
npm ci --no-audit --no-fund
node --test --test-concurrency=1
