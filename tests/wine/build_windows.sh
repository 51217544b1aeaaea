#!/usr/bin/env bash
# Cross-builds Wagelyn.exe and the Windows test programs with the windows
# preset into BUILD_DIR, for the tests that run them under Wine. Exit 77
# (skipped) without mingw-w64.
#
#   build_windows.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/../support/wine.sh"
require_tools x86_64-w64-mingw32-g++ x86_64-w64-mingw32-windres
cd "$1"
cmake --preset windows -B "$2" >/dev/null
cmake --build "$2"
