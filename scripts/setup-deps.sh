#!/usr/bin/env bash
# Installs the Debian packages that Velmora needs for one kind of work, when they are missing.
# Usage: scripts/setup-deps.sh run|test|package|format|fuzz|web ...
set -euo pipefail

packages=()
for purpose in "$@"; do
    case "$purpose" in
    # The program: Qt, and Boost's headers for the exact arithmetic of the working.
    run) packages+=(g++ cmake ninja-build qt6-base-dev libboost-dev fonts-liberation
        fonts-dejavu-core) ;;
    # Building the Debian package: cpack's DEB generator with dpkg-shlibdeps, which needs file.
    package) packages+=(dpkg-dev file lintian) ;;
    # The tests: Xvfb and two window managers for the X sessions, Qt's private headers for the
    # accessibility test, the desktop entry and AppStream validators, the window probes and jq
    # to read the tests' design table in the X session,
    # windres for the Windows resource script (preprocessed by the host's cpp), and the sources
    # of the C library's locales, from which the build makes those the tests run in.
    test) packages+=(xvfb xauth metacity openbox qt6-base-private-dev libbenchmark-dev libx11-dev
        libxtst-dev desktop-file-utils appstream x11-utils xdotool wmctrl jq
        binutils-mingw-w64-x86-64 cpp locales) ;;
    # The formatting check, before anything is built.
    format) packages+=(clang-format-14 git) ;;
    fuzz) packages+=(clang-14 libclang-rt-14-dev cmake ninja-build libboost-dev) ;;
    # The page: Emscripten, Boost's headers, Python for its icon, g++ for the native run of the
    # conversion table, Chromium for its tests, the fonts it asks for. Node and npm come from
    # Debian only where none is installed: Debian's nodejs conflicts with NodeSource's.
    web)
        packages+=(emscripten libboost-dev python3 g++ cmake ninja-build chromium
            fonts-liberation fonts-dejavu-core)
        command -v node >/dev/null || packages+=(nodejs)
        command -v npm >/dev/null || packages+=(npm)
        ;;
    *)
        echo "setup-deps.sh: unknown purpose '$purpose'" >&2
        exit 2
        ;;
    esac
done

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
# sudo resets the environment, so the front-end setting goes through env.
apt=(env DEBIAN_FRONTEND=noninteractive apt-get)
[[ $(id -u) -eq 0 ]] || apt=(sudo "${apt[@]}")
"${apt[@]}" update -qq
"${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"
