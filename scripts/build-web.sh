#!/usr/bin/env bash
# Builds Velmora's page into build-web/site/ with Debian's Emscripten (installing what is
# missing), and the programs of the conversion table and the workings for Node into
# build-web/tools/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh web

# Emscripten's JavaScript optimiser needs acorn, which Debian keeps in /usr/share/nodejs; a Node
# other than Debian's does not look there by itself.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
# Debian's Emscripten works offline only with its own prebuilt libraries.
unset EM_CACHE
emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-web -j2
