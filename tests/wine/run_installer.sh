#!/usr/bin/env bash
# The Windows installer and portable archive, made by CPack with NSIS from the
# windows build, then tried under Wine: a silent install puts the program and
# its Start menu shortcut in place and registers it in Apps & features; the
# installed program starts; a silent uninstall leaves nothing of Wagelyn.
# Exit 77 (skipped) where Wine, Xvfb, NSIS or mingw-w64 is missing.
#
#   run_installer.sh WINDOWS_BUILD_DIR
set -euo pipefail
build=$1
here=$(dirname "$0")
source "$here/../support/wine.sh"
source "$here/../support/xvfb.sh"
source "$here/../support/checks.sh"
require_tools wine wineserver winepath Xvfb makensis cpack python3 x86_64-w64-mingw32-g++

work=$(mktemp -d /tmp/wagelyn-wine-installer.XXXXXX)
trap 'stop_wine; stop_xvfb; rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$work/packages" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; exit 1; }
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
installer="$work/packages/Wagelyn-$version-win64.exe"
archive="$work/packages/Wagelyn-$version-win64.zip"
check "the installer is made" test -s "$installer"
in_archive() { python3 -c 'import sys, zipfile; sys.exit(sys.argv[2] not in zipfile.ZipFile(sys.argv[1]).namelist())' "$@"; }
check "the archive holds Wagelyn.exe" in_archive "$archive" "Wagelyn-$version-win64/Wagelyn.exe"
stat -c '%n: %s bytes' "$installer" "$archive" | sed "s#$work/packages/##"

start_xvfb "$work"
start_wine "$work"
drive_c="$WINEPREFIX/drive_c"
program="$drive_c/Program Files/Wagelyn"
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Wagelyn/Wagelyn.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Wagelyn'
registered() { wine reg query "$uninstall_key" /v "$1" 2>/dev/null | tr -d '\r' | grep -q "$2"; }

wine "$installer" /S </dev/null
check "Wagelyn.exe is installed in Program Files" test -s "$program/Wagelyn.exe"
check "the Start menu has its shortcut" test -s "$shortcut"
check "Apps & features lists it by name" registered DisplayName 'REG_SZ *Wagelyn$'
check "with its version" registered DisplayVersion "REG_SZ *$version\$"
check "its publisher" registered Publisher 'REG_SZ *The Wagelyn developers$'
check "and its icon" registered DisplayIcon 'Wagelyn\\Wagelyn.exe'
check "the installed program starts and quits" wine "$build/tests/ui/win32/drive_wagelyn.exe" \
    'C:\Program Files\Wagelyn\Wagelyn.exe' "$(winepath -w "$build/tests/platform/windows/marker.exe")" \
    start </dev/null

# The uninstaller runs again from a copy of itself and returns at once.
wine "C:\\Program Files\\Wagelyn\\Uninstall.exe" /S </dev/null
gone() { [ ! -e "$program" ] && [ ! -e "$shortcut" ] && ! wine reg query "$uninstall_key" >/dev/null 2>&1; }
for _ in $(seq 150); do gone && break; sleep 0.2; done
check "the uninstall removes the program, the shortcut and the entry" gone
nothing_left() {
    wineserver -w  # the registry is written to its files when the server ends
    ! find "$drive_c" -ipath '*wagelyn*' | grep -q . &&
        ! grep -qi wagelyn "$WINEPREFIX/system.reg" "$WINEPREFIX/user.reg"
}
check "no file and no registry entry of Wagelyn is left" nothing_left
report "installer under Wine"
