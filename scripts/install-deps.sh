#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the game need, when any is missing.
# Usage: scripts/install-deps.sh [run]   ("run" adds what showing windows needs without a desktop)
set -euo pipefail

packages=(
    g++ cmake make pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
    qt6-tools-dev libqt6opengl6-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-dejavu-core fonts-comic-neue
    desktop-file-utils appstream
    doxygen
)
if [[ "${1:-}" == run ]]; then
    packages+=(xvfb xauth)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
