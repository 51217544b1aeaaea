#!/usr/bin/env bash
# The platform layer and the launcher on the real Windows API, under Wine in
# a throwaway prefix. Exit 77 (skipped) where Wine or mingw-w64 is missing.
#
#   run_platform.sh WINDOWS_BUILD_DIR
set -euo pipefail
build=$1
source "$(dirname "$0")/../support/wine.sh"
wine_test_session --no-display x86_64-w64-mingw32-g++
# Wine names Unix files in the locale's character set: a UTF-8 one, whatever
# the caller's, for the folder outside ASCII.
LC_ALL=C.UTF-8 wine "$build/tests/platform/windows/platform_windows_test.exe" \
    "$(winepath -w "$build/tests/platform/windows/marker.exe")" </dev/null
