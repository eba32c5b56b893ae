#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Velmora need, when missing.
# Usage: scripts/setup-deps.sh run|test
set -euo pipefail

packages=(g++ cmake ninja-build qt6-base-dev fonts-liberation fonts-dejavu-core)
if [[ "${1:-run}" == test ]]; then
    packages+=(xvfb xauth qt6-base-private-dev libbenchmark-dev libx11-dev libxtst-dev)
    # The packaging tests: desktop entry and AppStream validators, cpack's DEB generator with
    # dpkg-shlibdeps (which needs file), the window probe, and windres for the Windows resource
    # script (preprocessed by the host's cpp).
    packages+=(desktop-file-utils appstream dpkg-dev file x11-utils xdotool
        binutils-mingw-w64-x86-64 cpp)
fi

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
