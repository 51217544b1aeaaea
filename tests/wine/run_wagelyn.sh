#!/usr/bin/env bash
# Wagelyn.exe under Wine on a private Xvfb, driven from another process by
# drive_wagelyn.exe: in English, under a German regional setting, and at
# 144 DPI. Exit 77 (skipped) where Wine, Xvfb or mingw-w64 is missing.
#
#   run_wagelyn.sh WINDOWS_BUILD_DIR
set -euo pipefail
build=$1
here=$(dirname "$0")
source "$here/../support/wine.sh"
source "$here/../support/xvfb.sh"
require_tools wine wineserver winepath Xvfb x86_64-w64-mingw32-g++

work=$(mktemp -d /tmp/wagelyn-wine-app.XXXXXX)
trap 'stop_wine; stop_xvfb; rm -rf "$work"' EXIT
start_xvfb "$work"
start_wine "$work"

drive() {
    wine "$build/tests/ui/win32/drive_wagelyn.exe" "$(winepath -w "$build/Wagelyn.exe")" \
        "$(winepath -w "$build/tests/platform/windows/marker.exe")" "$@" </dev/null
}
# No print server: Print must say that no default printer is set up.
CUPS_SERVER="$work/no-print-server.sock" drive english
LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 drive german
# Wine reads the screen's DPI when its server starts.
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
wineserver -k
wineserver -w
drive dpi144
