#!/usr/bin/env bash
# `cpack -G DEB` makes a package with the right control fields and files, and the program
# unpacked from it starts on an X server and shows its welcome box, titled "Velmora".
# Usage: deb_package.sh <build dir> <source dir>
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" >/dev/null
debs=("$scratch"/out/velmora_1.00_*.deb)
[[ ${#debs[@]} -eq 1 && -f "${debs[0]}" ]] || { ls "$scratch/out"; echo "FAIL: no velmora_1.00_*.deb"; exit 1; }
deb=${debs[0]}
dpkg-deb --info "$deb"

field() { dpkg-deb -f "$deb" "$1"; }
[[ "$(field Package)" == velmora ]] || fail "Package: $(field Package)"
[[ "$(field Version)" == 1.00 ]] || fail "Version: $(field Version)"
[[ "$(field Section)" == math ]] || fail "Section: $(field Section)"
[[ "$(field Maintainer)" == "Velmora developers <dev@velmora.example.org>" ]] \
    || fail "Maintainer: $(field Maintainer)"
depends=", $(field Depends),"
# Qt loads the platform and image plugins at run time, so whichever package ships them here
# has to be named too.
plugin_packages=$(dpkg-query -S '*/qt6/plugins/platforms/libqxcb.so' \
    '*/qt6/plugins/imageformats/libqgif.so' '*/qt6/plugins/imageformats/libqico.so' \
    '*/qt6/plugins/imageformats/libqjpeg.so' | sed 's/[:,].*//' | sort -u)
for package in libqt6widgets6 $plugin_packages; do
    grep -qE ", $package( \([^)]*\))?," <<<"$depends" || fail "Depends lacks $package"
done
grep -qF ", fonts-liberation | fonts-dejavu-core," <<<"$depends" || fail "Depends lacks the fonts"

contents=$(dpkg-deb --contents "$deb" | awk '{ print $1, $NF }')
for path in usr/bin/Velmora usr/share/applications/velmora.desktop \
    usr/share/metainfo/org.example.Velmora.metainfo.xml \
    usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128}/apps/velmora.png; do
    grep -qE "^-[rwx-]+ \./$path$" <<<"$contents" || fail "package lacks /$path"
done
grep -qE '^-rwxr-xr-x \./usr/bin/Velmora$' <<<"$contents" || fail "/usr/bin/Velmora not 0755"

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
# The welcome box is the first window the program maps; poll for it for up to 10 seconds.
# shellcheck disable=SC2016 # the inner script expands its own variables
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    QT_QPA_PLATFORM=xcb "$1" &
    program=$!
    deadline=$((SECONDS + 10))
    while ((SECONDS < deadline)); do
        if xdotool search --onlyvisible --name "^Velmora$" >/dev/null 2>&1; then
            kill "$program"; wait "$program" 2>/dev/null; exit 0
        fi
        kill -0 "$program" 2>/dev/null || { echo "the program ended before any window"; exit 1; }
        sleep 0.2
    done
    kill "$program"; echo "no window titled Velmora within 10 s"; exit 1
' welcome "$root/usr/bin/Velmora" || fail "the unpacked program did not show its welcome box"
exit $failed
