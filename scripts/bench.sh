#!/usr/bin/env bash
# Builds and runs the benchmarks; each prints its ratio against a reference measured in the same run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" -DCMAKE_BUILD_TYPE=Release
for b in "${BUILD_DIR:-$root/build}"/bench/bench_*; do
    [[ -x "$b" ]] && QT_QPA_PLATFORM=offscreen "$b" "$@"
done
