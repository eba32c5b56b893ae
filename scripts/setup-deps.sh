#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Velmora need, when missing.
# Usage: scripts/setup-deps.sh run|test
set -euo pipefail

packages=(g++ cmake ninja-build qt6-base-dev fonts-liberation fonts-dejavu-core)
if [[ "${1:-run}" == test ]]; then
    packages+=(xvfb xauth)
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
