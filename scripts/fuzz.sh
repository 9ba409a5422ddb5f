#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (installing clang when missing) and runs each for a
# while on one core: the saved-game reader and the amount boxes' number reading.
# Usage: scripts/fuzz.sh [seconds per target, default 60] [target ...]
# Targets: SavedGameFuzzer AmountFuzzer. The working corpora and any crash files go to
# $BUILD_DIR (default build-fuzz); copy a crash into tests/fuzz/corpus/ once it is fixed, so
# the corpus replay in the normal tests keeps it fixed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift || true
targets=("$@")
[[ ${#targets[@]} -gt 0 ]] || targets=(SavedGameFuzzer AmountFuzzer)
build=${BUILD_DIR:-$root/build-fuzz}

"$root/scripts/install-deps.sh"
if ! command -v clang++-14 >/dev/null || ! ls /usr/lib/llvm-14/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
    sudo=""
    [[ $(id -u) -ne 0 ]] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        clang-14 libclang-rt-14-dev llvm-14
fi

flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DSARDEK_FUZZ=ON -DSARDEK_BUILD_BENCHMARKS=OFF
cmake --build "$build" -j2 --target "${targets[@]}"

declare -A corpus=([SavedGameFuzzer]=saved-game [AmountFuzzer]=amount)
for target in "${targets[@]}"; do
    work="$build/corpus/${corpus[$target]}"
    mkdir -p "$work" "$build/crashes"
    echo "== $target for $seconds s (log: $build/$target.log)"
    # One job in one worker: the machine's cores are shared. libFuzzer logs the job to
    # fuzz-0.log in the working folder.
    (cd "$build" && "$build/tests/fuzz/$target" -jobs=1 -workers=1 -max_total_time="$seconds" \
        -max_len=4096 -print_final_stats=1 -artifact_prefix="$build/crashes/$target-" \
        "$work" "$root/tests/fuzz/corpus/${corpus[$target]}" || true)
    mv "$build/fuzz-0.log" "$build/$target.log"
    grep -E '^(#[0-9]+ *DONE|stat::|==[0-9]+==ERROR|SUMMARY)' "$build/$target.log" || tail -5 "$build/$target.log"
done
ls "$build/crashes"
[[ -z $(ls -A "$build/crashes") ]]
