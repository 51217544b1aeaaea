#!/usr/bin/env bash
# The Windows installer, the MSI and the portable archive, made by CPack from
# the windows build, with their SHA-256 files and winget manifests, then tried
# under Wine in each mode, with the switches the manifests give winget: a
# silent install puts the program and its Start menu shortcut in place and
# registers it in Apps & features, under the machine or the current user; the
# program starts from the shortcut's target; the silent uninstall leaves
# nothing of Wagelyn, and no other product's file. A newer MSI replaces an
# older one; a reinstall leaves one copy. Per machine, a folder outside Program
# Files or one that every user may change is refused.
# Exit 77 (skipped) where Wine, Xvfb, NSIS, wixl, mingw-w64 or python3-yaml is
# missing.
#
#   run_installer.sh WINDOWS_BUILD_DIR
set -euo pipefail
build=$1
here=$(dirname "$0")
source "$here/../support/wine.sh"
wine_test_session makensis wixl msibuild msiinfo cpack python3 sha256sum x86_64-w64-mingw32-g++
python3 -c 'import yaml' 2>/dev/null || skip "python3-yaml is missing"
drive_c="$WINEPREFIX/drive_c"

packages=$work/packages
quietly "$work/cpack.log" cpack --config "$build/CPackConfig.cmake" -B "$packages" || exit 1
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
installer="$packages/Wagelyn-$version-win64.exe"
archive="$packages/Wagelyn-$version-win64.zip"
msi="$packages/Wagelyn-$version-win64.msi"
manifest() { python3 "$here/winget_manifest.py" "$1" "$packages/winget" "${@:2}"; }
product_code() { msiinfo export "$1" Property | tr -d '\r' | sed -n 's/^ProductCode\t//p'; }
code=$(product_code "$msi")
check "the installer is made" test -s "$installer"
check "the MSI is made" test -n "$code"
in_archive() { python3 -c 'import sys, zipfile; sys.exit(sys.argv[2] not in zipfile.ZipFile(sys.argv[1]).namelist())' "$@"; }
check "the archive holds Wagelyn.exe" in_archive "$archive" "Wagelyn-$version-win64/Wagelyn.exe"
check "each package's SHA-256 file matches it" \
    sh -c 'cd "$1" && sha256sum --quiet -c ./*.exe.sha256 ./*.msi.sha256 ./*.zip.sha256' sh "$packages"
check "the winget manifests are complete and name this installer and MSI" \
    manifest check "$installer" "$msi" "$code"
stat -c '%n: %s bytes' "$installer" "$msi" "$archive" | sed "s#$packages/##"

# The next version's MSI, the same program with a higher ProductVersion.
next=${version%.*}.$((${version##*.} + 1))
quietly "$work/cpack.log" cpack --config "$build/CPackConfig.cmake" -G NSIS64 -B "$work/next" \
    -D CPACK_PACKAGE_VERSION="$next" -D CPACK_PACKAGE_FILE_NAME="Wagelyn-$next-win64" || exit 1
next_msi="$work/next/Wagelyn-$next-win64.msi"
check "the next version's MSI has a product code of its own" \
    sh -c '[ -n "$1" ] && [ "$1" != "$2" ]' sh "$(product_code "$next_msi")" "$code"

windows_path() { wine cmd /c echo "$1" </dev/null | tr -d '\r"'; }
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall'
value() { wine reg query "$1\\$uninstall_key\\$2" /v "$3" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$3 *REG_[A-Z]* *//p"; }
registered() { value "$1" "$2" "$3" | grep -q "$4"; }
# The entries of Apps & features under a hive that name Wagelyn, one a line.
entries() {
    wine reg query "$1\\$uninstall_key" </dev/null | tr -d '\r' | sed -n 's/^.*\\Uninstall\\//p' |
        while read -r key; do
            [ "$(value "$1" "$key" DisplayName)" != Wagelyn ] || echo "$key"
        done
}
unregistered() { [ -z "$(entries "$1")" ]; }
one_entry() { [ "$(entries "$1")" = "$2" ]; }
nothing_left() {
    wineserver -w # the registry is written to its files when the server ends
    local left # by name below drive_c: the work folder's own name holds "wagelyn"
    left=$(find "$drive_c" -mindepth 1 -iname '*wagelyn*'
        grep -il wagelyn "$WINEPREFIX/system.reg" "$WINEPREFIX/user.reg")
    [ -z "$left" ] || { echo "left: $left" >&2; false; }
}
# The Start menu shortcuts to Wagelyn, the machine's and the user's.
menus=("$(windows_path '%ProgramData%\Microsoft\Windows\Start Menu\Programs')"
    "$(windows_path '%APPDATA%\Microsoft\Windows\Start Menu\Programs')")
shortcuts() { for menu in "${menus[@]}"; do ls "$(winepath -u "$menu\\Wagelyn.lnk")" 2>/dev/null || true; done; }
# The program a shortcut starts: the path it holds.
target() { LC_ALL=C grep -aoiE '[A-Z]:\\[^[:cntrl:]:*?"<>|]*\\Wagelyn\.exe' "$1" | head -n 1; }
copies() { find "$drive_c" -iname Wagelyn.exe | wc -l; }
# Runs a registered uninstall command: the quoted program, then its switches.
run_registered() {
    local program=${1#\"}
    program=${program%%\"*}
    # shellcheck disable=SC2086 # the switches are words
    wine "$program" ${1#\"*\"} </dev/null
}
# Runs the NSIS installer with a command line as winget writes it, with /D=
# last and unquoted, spaces and all (cmd passes it on as it is).
nsis() { wine cmd /c "$(winepath -w "$installer") $*" </dev/null; }
install() { # KIND SCOPE [FOLDER]: as winget installs, into FOLDER if given
    if [ "$1" = msi ]; then
        # shellcheck disable=SC2046 # the switches are words
        wine msiexec /i "$(winepath -w "$msi")" $(manifest switches "$2" wix) </dev/null
    else
        nsis "$(manifest switches "$2")" ${3:+"/D=$3"}
    fi
}

# A folder given (winget's --location) is the folder used, in place of the
# mode's own, if it is named for Wagelyn and empty; otherwise Wagelyn goes in
# a folder of its own inside it. "-" gives none. Another product's file, if
# one is named, is there before and must be there after. Wine's msiexec puts
# a per-machine MSI's shortcut in the user's Start menu, Windows in the
# machine's: "any" takes either. "?" stands for a space.
#     kind scope    hive  other  folder given                program folder                               Start menu folder                                    another product's file
rows="nsis machine HKLM  HKCU   -                           %ProgramFiles%\\Wagelyn                      %ProgramData%\\Microsoft\\Windows\\Start?Menu\\Programs  -
      nsis machine HKLM  HKCU   C:\\Program?Files           %ProgramFiles%\\Wagelyn                      %ProgramData%\\Microsoft\\Windows\\Start?Menu\\Programs  -
      nsis machine HKLM  HKCU   C:\\Program?Files\\Vendor   %ProgramFiles%\\Vendor\\Wagelyn              %ProgramData%\\Microsoft\\Windows\\Start?Menu\\Programs  C:\\Program?Files\\Vendor\\LICENSE.txt
      nsis user    HKCU  HKLM   -                           %LOCALAPPDATA%\\Programs\\Wagelyn            %APPDATA%\\Microsoft\\Windows\\Start?Menu\\Programs      -
      nsis user    HKCU  HKLM   C:\\Tools\\Wagelyn          C:\\Tools\\Wagelyn                           %APPDATA%\\Microsoft\\Windows\\Start?Menu\\Programs      -
      msi  machine HKLM  HKCU   -                           %ProgramFiles%\\Wagelyn                      any                                                  -"
while read -r kind scope hive other given folder menu foreign; do
    [ "$given" = - ] && given=
    given=${given//\?/ }
    row="$kind $scope${given:+ in $given}"
    if [ "$foreign" != - ]; then
        foreign=$(winepath -u "${foreign//\?/ }")
        mkdir -p "$(dirname "$foreign")" && echo "another product's licence" >"$foreign"
    fi
    key=Wagelyn && [ "$kind" = nsis ] || key=$code
    folder=$(windows_path "$folder") program=$(winepath -u "$folder")
    check "$row: the silent install succeeds" install "$kind" "$scope" "$given"
    check "$row: Wagelyn.exe is installed in $folder" test -s "$program/Wagelyn.exe"
    shortcut=$(shortcuts)
    [ "$menu" = any ] || menu=$(winepath -u "$(windows_path "${menu//\?/ }")\\Wagelyn.lnk")
    check "$row: the Start menu has one shortcut" sh -c '[ -s "$1" ] && [ "$2" = any -o "$1" = "$2" ]' \
        sh "$shortcut" "$menu"
    check "$row: the shortcut starts $folder\\Wagelyn.exe" \
        sh -c '[ "$1" = "$2" ]' sh "$(target "$shortcut")" "$folder\\Wagelyn.exe"
    check "$row: the program starts from the shortcut's target and quits" \
        wine "$build/tests/ui/win32/drive_wagelyn.exe" "$(target "$shortcut")" \
        "$(winepath -w "$build/tests/platform/windows/marker.exe")" start </dev/null
    check "$row: Apps & features lists it once under $hive" one_entry "$hive" "$key"
    check "$row: with its version" registered "$hive" "$key" DisplayVersion "^$version\$"
    check "$row: its publisher" registered "$hive" "$key" Publisher '^The Wagelyn developers$'
    check "$row: and its folder" registered "$hive" "$key" InstallLocation "^${folder//\\/\\\\}\\\\\\?\$"
    check "$row: and nothing under $other" unregistered "$other"

    if [ "$kind" = nsis ]; then
        check "$row: and its icon" registered "$hive" "$key" DisplayIcon 'Wagelyn\\Wagelyn.exe$'
        check "$row: and a silent uninstall" registered "$hive" "$key" QuietUninstallString ' /S$'
        # The uninstaller runs again from a copy of itself and returns at once.
        check "$row: the registered silent uninstall starts" \
            run_registered "$(value "$hive" "$key" QuietUninstallString)"
    else
        check "$row: msiexec removes it silently" wine msiexec /x "$(winepath -w "$msi")" /qn </dev/null
    fi
    gone() { [ ! -e "$program" ] && [ -z "$(shortcuts)" ] && unregistered "$hive"; }
    check "$row: the uninstall removes the program, the shortcut and the entry" wait_until 300 gone
    check "$row: no file and no registry entry of Wagelyn is left" nothing_left
    [ "$foreign" = - ] || check "$row: another product's file in the folder given is kept" \
        grep -qx "another product's licence" "$foreign"
done <<<"$rows"

# Reinstalls per user: with no folder given, into the existing install's
# folder; into another folder, after the first copy has gone.
reinstall() { # FOLDER [FOLDER GIVEN]
    install nsis user "${@:2}" &&
        [ -s "$(winepath -u "$1")/Wagelyn.exe" ] && [ "$(copies)" -eq 1 ] && one_entry HKCU Wagelyn &&
        [ "$(value HKCU Wagelyn InstallLocation)" = "$1" ]
}
check "reinstall: a first install in C:\\Apps\\Wagelyn" reinstall 'C:\Apps\Wagelyn' 'C:\Apps\Wagelyn'
check "reinstall: with no folder given, over it: one copy, one entry" reinstall 'C:\Apps\Wagelyn'
check "reinstall: to C:\\Tools\\Wagelyn: one copy, one entry" reinstall 'C:\Tools\Wagelyn' 'C:\Tools\Wagelyn'
run_registered "$(value HKCU Wagelyn QuietUninstallString)"
for _ in $(seq 150); do unregistered HKCU && [ "$(copies)" -eq 0 ] && break; sleep 0.2; done
check "reinstall: the uninstall leaves nothing of Wagelyn" nothing_left

# The next version's MSI replaces this one: one copy, one entry, the new one.
check "msi upgrade: this version installs" install msi machine
check "msi upgrade: the next installs over it" wine msiexec /i "$(winepath -w "$next_msi")" /qn </dev/null
check "msi upgrade: one copy of Wagelyn.exe is left" test "$(copies)" -eq 1
check "msi upgrade: Apps & features lists only the new version" \
    one_entry HKLM "$(product_code "$next_msi")"
check "msi upgrade: at $next" registered HKLM "$(product_code "$next_msi")" DisplayVersion "^$next\$"
# The MSI and the installer's install for every user share a folder: either
# refuses to install over the other.
status=0 && nsis /S /AllUsers || status=$?
check "with the MSI installed, the installer refuses to install for every user" \
    test "$status" -eq 2 -a "$(copies)" -eq 1
check "msi upgrade: msiexec removes it" wine msiexec /x "$(winepath -w "$next_msi")" /qn </dev/null
check "msi upgrade: nothing of Wagelyn is left" nothing_left
check "the installer installs for every user again" install nsis machine
status=0 && install msi machine || status=$?
check "with the installer's install for every user, the MSI refuses to install" \
    test "$status" -ne 0 -a "$(copies)" -eq 1 -a "$(entries HKLM)" = Wagelyn
run_registered "$(value HKLM Wagelyn QuietUninstallString)"
for _ in $(seq 150); do unregistered HKLM && [ "$(copies)" -eq 0 ] && break; sleep 0.2; done

refused() {
    local status=0
    nsis /S /AllUsers "/D=$1" || status=$?
    [ "$status" -eq 2 ] && nothing_left
}
# Wine gives a folder without permissions of its own an access list from its
# Unix mode: with write for others, every user may change it.
shared="$drive_c/Program Files/Shared"
mkdir "$shared" && chmod 777 "$shared"
check "per machine, a folder outside Program Files is refused" refused 'C:\Wagelyn'
check "per machine, a folder every user may change is refused" refused 'C:\Program Files\Shared'
report "installer under Wine"
