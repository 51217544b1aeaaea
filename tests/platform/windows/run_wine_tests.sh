#!/usr/bin/env bash
# Builds the platform layer's Windows side and its tests with mingw-w64 and
# runs them under Wine in a throwaway prefix. Exit 77 (skipped) where the
# cross compiler or Wine is missing.
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/../../.." && pwd)
for tool in x86_64-w64-mingw32-g++ wine wineserver winepath; do
    if ! command -v "$tool" >/dev/null; then
        echo "run_wine_tests: $tool is missing; skipped" >&2
        exit 77
    fi
done

work=$(mktemp -d /tmp/wagelyn-wine.XXXXXX)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY
cleanup() {
    wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

cxx=(x86_64-w64-mingw32-g++ -std=c++20 -O1 -static -Wall -Wextra -I"$source_dir")
"${cxx[@]}" -o "$work/marker.exe" "$source_dir/tests/platform/windows/marker.cpp"
"${cxx[@]}" -o "$work/platform_windows_test.exe" \
    "$source_dir/tests/platform/windows/platform_windows_test.cpp" \
    "$source_dir/platform/platform_win.cpp" \
    "$source_dir/ui/forms/system_info_launcher.cpp" -ladvapi32

wineboot -i >/dev/null 2>&1
wine "$work/platform_windows_test.exe" "$(winepath -w "$work/marker.exe")" </dev/null
