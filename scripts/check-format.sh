#!/usr/bin/env bash
# Fails, naming the files, when a tracked C++ file differs from what the checked-in
# .clang-format makes of it. Fix with: git ls-files '*.cpp' '*.h' '*.inl' | xargs clang-format-14 -i
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' '*.inl' | xargs -0 clang-format-14 --dry-run --Werror
