#!/usr/bin/env bash
# Builds Velmora's page and the minimal page, and times them in headless Chromium.
# Usage: bench/web/run.sh [STARTS]
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/build-web.sh >/dev/null
(cd tests/web && ../../scripts/check-node.sh && npm ci --no-audit --no-fund >/dev/null)
exec node bench/web/bench.mjs "${1:-20}"
