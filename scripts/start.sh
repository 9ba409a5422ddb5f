#!/usr/bin/env bash
# Installs what is missing, builds and starts the program (under Xvfb when there is no display).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" run
"$root/scripts/build.sh"
program="${BUILD_DIR:-$root/build}/game/app/sardek"
if [[ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
    exec xvfb-run -a "$program"
fi
exec "$program"
