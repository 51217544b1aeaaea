#!/usr/bin/env bash
# The Windows installer and portable archive, made by CPack with NSIS from the
# windows build, with their SHA-256 files and winget manifests, then tried
# under Wine in each mode, with the switches the manifests give winget: a
# silent install puts the program and its Start menu shortcut in place and
# registers it in Apps & features, under the machine or the current user; the
# installed program starts; the registered silent uninstall leaves nothing of
# Wagelyn. Per machine, a folder outside Program Files is refused.
# Exit 77 (skipped) where Wine, Xvfb, NSIS, mingw-w64 or python3-yaml is missing.
#
#   run_installer.sh WINDOWS_BUILD_DIR
set -euo pipefail
build=$1
here=$(dirname "$0")
source "$here/../support/wine.sh"
source "$here/../support/xvfb.sh"
source "$here/../support/checks.sh"
require_tools wine wineserver winepath Xvfb makensis cpack python3 sha256sum x86_64-w64-mingw32-g++
if ! python3 -c 'import yaml' 2>/dev/null; then
    echo "$(basename "$0"): python3-yaml is missing; skipped" >&2
    exit 77
fi

work=$(mktemp -d /tmp/wagelyn-wine-installer.XXXXXX)
trap 'stop_wine; stop_xvfb; rm -rf "$work"' EXIT

packages=$work/packages
cpack --config "$build/CPackConfig.cmake" -B "$packages" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; exit 1; }
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
installer="$packages/Wagelyn-$version-win64.exe"
archive="$packages/Wagelyn-$version-win64.zip"
manifest() { python3 "$here/winget_manifest.py" "$1" "$packages/winget" "${@:2}"; }
check "the installer is made" test -s "$installer"
in_archive() { python3 -c 'import sys, zipfile; sys.exit(sys.argv[2] not in zipfile.ZipFile(sys.argv[1]).namelist())' "$@"; }
check "the archive holds Wagelyn.exe" in_archive "$archive" "Wagelyn-$version-win64/Wagelyn.exe"
check "each package's SHA-256 file matches it" \
    sh -c 'cd "$1" && sha256sum --quiet -c ./*.exe.sha256 ./*.zip.sha256' sh "$packages"
check "the winget manifests are complete and name this installer" manifest check "$installer"
stat -c '%n: %s bytes' "$installer" "$archive" | sed "s#$packages/##"

start_xvfb "$work"
start_wine "$work"
drive_c="$WINEPREFIX/drive_c"
windows_path() { wine cmd /c echo "$1" </dev/null | tr -d '\r"'; }
entry() { echo "$1\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Wagelyn"; }
value() { wine reg query "$(entry "$1")" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z]* *//p"; }
registered() { value "$1" "$2" | grep -q "$3"; }
unregistered() { ! wine reg query "$(entry "$1")" >/dev/null 2>&1; }
nothing_left() {
    wineserver -w # the registry is written to its files when the server ends
    ! find "$drive_c" -ipath '*wagelyn*' | grep -q . &&
        ! grep -qi wagelyn "$WINEPREFIX/system.reg" "$WINEPREFIX/user.reg"
}
# Runs a registered uninstall command: the quoted program, then its switches.
run_registered() {
    local program=${1#\"}
    program=${program%%\"*}
    # shellcheck disable=SC2086 # the switches are words
    wine "$program" ${1#\"*\"} </dev/null
}

# A folder given (winget's --location) is the folder used, in place of the
# mode's own; "-" gives none.
#     scope    hive  the other  folder given        program folder                     Start menu folder
modes="machine HKLM  HKCU       -                   %ProgramFiles%\\Wagelyn            %ProgramData%\\Microsoft\\Windows\\Start?Menu\\Programs
       user    HKCU  HKLM       -                   %LOCALAPPDATA%\\Programs\\Wagelyn  %APPDATA%\\Microsoft\\Windows\\Start?Menu\\Programs
       user    HKCU  HKLM       C:\\Tools\\Wagelyn  C:\\Tools\\Wagelyn                 %APPDATA%\\Microsoft\\Windows\\Start?Menu\\Programs"
while read -r scope hive other given folder menu; do
    folder=$(windows_path "$folder") menu=$(windows_path "${menu//\?/ }")
    program=$(winepath -u "$folder") shortcut=$(winepath -u "$menu\\Wagelyn.lnk")
    location=() && [ "$given" = - ] || location=("/D=$given")
    # shellcheck disable=SC2046 # the switches are words
    wine "$installer" $(manifest switches "$scope") "${location[@]}" </dev/null
    check "$scope: Wagelyn.exe is installed in $folder" test -s "$program/Wagelyn.exe"
    check "$scope: the Start menu has its shortcut to it" grep -qaiF "$folder\\Wagelyn.exe" "$shortcut"
    check "$scope: Apps & features lists it by name under $hive" registered "$hive" DisplayName '^Wagelyn$'
    check "$scope: with its version" registered "$hive" DisplayVersion "^$version\$"
    check "$scope: its publisher" registered "$hive" Publisher '^The Wagelyn developers$'
    check "$scope: and its icon" registered "$hive" DisplayIcon 'Wagelyn\\Wagelyn.exe$'
    check "$scope: and a silent uninstall" registered "$hive" QuietUninstallString ' /S$'
    check "$scope: and nothing under $other" unregistered "$other"
    check "$scope: the installed program starts and quits" wine "$build/tests/ui/win32/drive_wagelyn.exe" \
        "$folder\\Wagelyn.exe" "$(winepath -w "$build/tests/platform/windows/marker.exe")" \
        start </dev/null

    # The uninstaller runs again from a copy of itself and returns at once.
    check "$scope: the registered silent uninstall starts" \
        run_registered "$(value "$hive" QuietUninstallString)"
    gone() { [ ! -e "$program" ] && [ ! -e "$shortcut" ] && unregistered "$hive"; }
    for _ in $(seq 150); do gone && break; sleep 0.2; done
    check "$scope: the uninstall removes the program, the shortcut and the entry" gone
    check "$scope: no file and no registry entry of Wagelyn is left" nothing_left
done <<<"$modes"

refused() {
    local status=0
    wine "$installer" /S /AllUsers '/D=C:\Wagelyn' </dev/null || status=$?
    [ "$status" -eq 2 ] && nothing_left
}
check "per machine, a folder outside Program Files is refused" refused
report "installer under Wine"
