#!/usr/bin/env bash
# Installs what is missing, builds, and starts Wagelyn.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target wagelyn
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Wagelyn is built (build/release/wagelyn), but there is no desktop to show it on: start it from a graphical session." >&2
    exit 1
fi
exec build/release/wagelyn
