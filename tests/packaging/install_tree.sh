#!/usr/bin/env bash
# `cmake --install` puts the program, its desktop entry, its icons and its metainfo where a
# desktop finds them, and the installed tree validates as a whole (the metainfo's launchable
# names the installed desktop entry).
# Usage: install_tree.sh <build dir> <source dir>
set -euo pipefail
build=$1 source=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

DESTDIR="$scratch" cmake --install "$build" --prefix /usr >/dev/null
root="$scratch/usr"
failed=0
fail() { echo "FAIL: $*"; failed=1; }

[[ -f "$root/bin/Velmora" && -x "$root/bin/Velmora" ]] || fail "bin/Velmora missing or not executable"
cmp -s "$source/resources/velmora.desktop" "$root/share/applications/velmora.desktop" \
    || fail "share/applications/velmora.desktop missing or different"
cmp -s "$source/resources/velmora.metainfo.xml" "$root/share/metainfo/org.example.Velmora.metainfo.xml" \
    || fail "share/metainfo/org.example.Velmora.metainfo.xml missing or different"
for size in 16 32 48 64 128; do
    icon="$root/share/icons/hicolor/${size}x${size}/apps/velmora.png"
    [[ -f "$icon" ]] || { fail "$icon missing"; continue; }
    file -b "$icon" | grep -q "^PNG image data, $size x $size," || fail "$icon: $(file -b "$icon")"
done

# Nothing else: no test or benchmark program, no static library.
expected=$(printf '%s\n' usr/bin/Velmora usr/share/applications/velmora.desktop \
    usr/share/doc/velmora/copyright usr/share/doc/velmora/changelog.gz \
    usr/share/man/man1/Velmora.1.gz usr/share/metainfo/org.example.Velmora.metainfo.xml \
    usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128}/apps/velmora.png | sort)
installed=$(cd "$scratch" && find . -type f -printf '%P\n' | sort)
[[ "$installed" == "$expected" ]] || fail "installed files differ:"$'\n'"$(diff <(echo "$expected") <(echo "$installed") || true)"

report=$(appstreamcli validate-tree --no-net "$scratch" 2>&1) || fail "validate-tree: $report"
exit $failed
