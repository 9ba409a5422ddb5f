#!/usr/bin/env bash
# Soaks the game under AddressSanitizer and UndefinedBehaviorSanitizer: the headless player for
# 10,000 games of up to 200 voyages, then the monkey at the windows for 10 minutes, each
# printing what it did (games, voyages, actions, battles, steps, seconds).
# Usage: scripts/soak.sh [games] [voyages] [monkey seconds] [first seed]
# (0 games or 0 seconds skips that half.)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
games=${1:-10000}
voyages=${2:-200}
seconds=${3:-600}
seed=${4:-1}
build=${BUILD_DIR:-$root/build-asan}

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSARDEK_SANITIZE=ON \
    -DSARDEK_BUILD_BENCHMARKS=OFF
cmake --build "$build" -j2 --target sardek-play sardek-monkey

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
if [[ $games -gt 0 ]]; then
    echo "== headless player: $games games of up to $voyages voyages"
    "$build/tools/play/sardek-play" "$games" "$voyages" "$seed" || status=1
fi
if [[ $seconds != 0 ]]; then
    echo "== monkey at the windows: $seconds s"
    QT_QPA_PLATFORM=offscreen "$build/tools/play/sardek-monkey" "$seconds" "$seed" || status=1
fi
exit $status
