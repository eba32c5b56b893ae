#!/usr/bin/env bash
# Builds Velmora's page (installing what is missing) and serves it at http://127.0.0.1:8080/.
# build-web/site/ is a static site: any web host can serve the folder as it is.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build-web.sh
echo "Velmora: http://127.0.0.1:8080/ (Ctrl+C stops the server)"
exec python3 -m http.server 8080 --bind 127.0.0.1 --directory build-web/site
