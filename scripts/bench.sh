#!/usr/bin/env bash
# Builds in Release and runs the benchmarks; each prints its ratio against a reference measured in
# the same run. The Release build has its own folder, so the tests' build/ stays as it is.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export BUILD_DIR=${BUILD_DIR:-$root/build-release}
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" -DCMAKE_BUILD_TYPE=Release
for b in "$BUILD_DIR"/bench/bench_*; do
    [[ -x "$b" ]] && QT_QPA_PLATFORM=offscreen "$b" "$@"
done
