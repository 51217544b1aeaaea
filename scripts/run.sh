#!/usr/bin/env bash
# Installs what is missing, builds, and starts Wagelyn.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target wagelyn
exec build/release/app/wagelyn
