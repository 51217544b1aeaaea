#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --test
cmake --preset default
cmake --build --preset default
ctest --preset default
