#!/usr/bin/env bash
# The Debian package passes lintian without an error or a warning, and carries the changelog and
# the manual page Debian users look for.
# Usage: lintian.sh <build dir> <source dir>
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" >/dev/null
deb=$(echo "$scratch"/out/velmora_1.00_*.deb)
contents=$(dpkg-deb --contents "$deb")
for path in usr/share/doc/velmora/changelog.gz usr/share/man/man1/Velmora.1.gz; do
    grep -qE " \./$path$" <<<"$contents" || { echo "FAIL: package lacks /$path"; exit 1; }
done
# The one info tag left, binary-has-unneeded-section .comment, is the compiler's name in the
# binary: CPack's strip keeps it, and it changes nothing.
lintian --fail-on error,warning --info "$deb"
