#!/usr/bin/env bash
# Builds Velmora's page and runs its tests: the table of number conversions and the workings
# through the native and the browser build of the core, then the page in Debian's Chromium,
# headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build-web.sh

# The desktop's build of the same conversions and workings, to compare with the browser's
# under Node.
cmake -S . -B build-web/native -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_CORE_ONLY=ON >/dev/null
cmake --build build-web/native --target velmora_conversions velmora_workings velmora_sheets

cd tests/web
../../scripts/check-node.sh
npm ci --no-audit --no-fund
node --test --test-concurrency=1
