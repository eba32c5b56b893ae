#!/usr/bin/env bash
# Builds the Debian package build-package/velmora_1.00_<arch>.deb (installing what is missing)
# and checks it with lintian.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh run package
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build build-package
(cd build-package && cpack -G DEB)
lintian --fail-on error,warning build-package/velmora_1.00_*.deb
