#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the game need, when any is missing.
# The build's own are debian/control's build dependencies, so the two lists cannot drift apart.
# Usage: scripts/install-deps.sh [run|package]
#   run      adds what showing windows needs without a desktop
#   package  adds what building and checking the Debian packages needs
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

# Package names from the Build-Depends field, without versions, architectures or profiles.
build_depends() {
    awk '/^[^ \t]/ { field = ($1 == "Build-Depends:") }
         field { sub(/^Build-Depends:/, ""); print }' "$root/debian/control" |
        tr ',' '\n' | sed -E 's/[[(<].*//; s/[[:space:]]//g' | grep -v -x -e '' -e 'debhelper-compat'
}

# The compiler and make come with build-essential, which a package build assumes; the
# benchmarks, the library's reference (doxygen), the format check (clang-format-14) and the
# compiler cache serve developers and CI only.
mapfile -t packages < <(build_depends)
packages+=(g++ make libbenchmark-dev doxygen clang-format-14 ccache)
case "${1:-}" in
run) packages+=(xvfb xauth) ;;
package) packages+=(dpkg-dev debhelper lintian) ;;
esac

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
