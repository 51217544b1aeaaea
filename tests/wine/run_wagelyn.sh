#!/usr/bin/env bash
# Wagelyn.exe under Wine on a private Xvfb, driven from another process by
# drive_wagelyn.exe, one concern a run (each mode's file in tests/ui/win32
# tells what it checks): "words" in each language it has a catalogue for and
# under a German regional setting, "layout", "keyboard", "dpi" (moved from 96
# to 144 DPI, then at 144 DPI with each catalogue's texts fitting again),
# "colours" under a high-contrast scheme, "planted" libraries beside it and
# "lifetime" (with each window creation refused in turn, too); "built": the
# executable itself. Exit 77 (skipped) where Wine, Xvfb or mingw-w64 is
# missing.
#
#   run_wagelyn.sh CONCERN WINDOWS_BUILD_DIR
set -euo pipefail
concern=$1
build=$2
here=$(dirname "$0")
source "$here/../support/wine.sh"
exe="$build/Wagelyn.exe"
if [ "$concern" = built ]; then
    # A GUI program that needs only system DLLs and carries its version
    # record and manifest.
    require_tools x86_64-w64-mingw32-objdump strings
    headers=$(x86_64-w64-mingw32-objdump -p "$exe")
    only_system_dlls() {
        ! sed -n 's/^\s*DLL Name: //p' <<<"$headers" |
            grep -viqx 'advapi32.dll\|comctl32.dll\|gdi32.dll\|kernel32.dll\|msvcrt.dll\|user32.dll'
    }
    check "a Windows GUI program" grep -q 'Subsystem.*(Windows GUI)' <<<"$headers"
    check "that needs only system DLLs" only_system_dlls
    # Hardened: loaded at a random address (high-entropy), no code run from
    # data, and its stack protector's run time (libssp) linked in.
    for flag in HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT; do
        check "built with $flag" grep -qx "\s*$flag" <<<"$headers"
    done
    check "with a stack protector" grep -qF '*** stack smashing detected ***' "$exe"
    check "its version record names it" \
        sh -c "strings -el '$exe' | grep -A1 -x ProductName | grep -qx Wagelyn"
    for setting in 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' '>PerMonitorV2<' \
        '>UTF-8</activeCodePage>' '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}'; do
        check "its manifest has $setting" grep -qF "$setting" "$exe"
    done
    report "Wagelyn.exe as built"
    exit
fi
wine_test_session x86_64-w64-mingw32-g++
# No print server: Print must say that no default printer is set up.
export CUPS_SERVER="$work/no-print-server.sock"

# Wine takes a process's display language, and its regional format, from
# the Unix locale it starts in: LC_ALL here, where no locale need be
# generated. The design's English unless `locale` says otherwise. A process
# started in another locale resets the regional format to that locale's:
# the paths are found once, before any is set.
program=$(winepath -w "$exe")
marker=$(winepath -w "$build/tests/platform/windows/marker.exe")
drive() {
    LC_ALL=${locale:-en_US.UTF-8} wine "$build/tests/ui/win32/drive_wagelyn.exe" "$program" \
        "$marker" "$@" </dev/null
}
# The regional format as a user sets it in Windows, whatever the display
# language: Wine keeps it while every process starts in the same locale.
region() {  # DECIMAL GROUPING
    local key='HKCU\Control Panel\International'
    LC_ALL=${locale:-en_US.UTF-8} wine reg add "$key" /v sDecimal /d "$1" /f >/dev/null 2>&1
    LC_ALL=${locale:-en_US.UTF-8} wine reg add "$key" /v sThousand /d "$2" /f >/dev/null 2>&1
}
languages=$(drive languages | tr -d '\r')
# Wine takes the region, the screen's DPI and its colours when its server
# starts: each setting gets a session of its own, stop_wine ending the one
# before and the next Wine process starting it.
case $concern in
words)
    # Each language's words with English figures, in a session of its own: a
    # process Wine starts in the background (for COM, say) starts in the
    # session's first locale and would reset the regional format to that one's.
    for language in $languages; do
        stop_wine
        locale=$language.UTF-8 region . ,
        locale=$language.UTF-8 check "the words in $language" drive words "$language"
    done
    stop_wine
    region , .
    check "English words with German figures" drive german
    ;;
layout | keyboard)
    check "the $concern" drive "$concern"
    ;;
lifetime)
    check "the windows' lifetime" drive lifetime
    # Windows whose making fails, creation by creation, in a process of their own.
    check "a window that fails to be made is not counted and ends nothing" \
        wine "$build/tests/ui/win32/window_lifetime_test.exe" </dev/null
    ;;
dpi)
    check "a move from 96 to 144 DPI" drive dpichange
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
    stop_wine
    check "a session at 144 DPI" drive dpi144
    # Each catalogue's texts fit at 144 DPI too, the design's English included.
    for language in $languages; do
        locale=$language.UTF-8 check "the texts in $language fit at 144 DPI" drive fit "$language"
    done
    ;;
colours)
    # A high-contrast black scheme as a user sets it: black faces and
    # fields, white text. Wine reports high contrast itself as off.
    cat >"$work/high-contrast.reg" <<'COLOURS'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Control Panel\Colors]
"Window"="0 0 0"
"WindowText"="255 255 255"
"WindowFrame"="255 255 255"
"ButtonFace"="0 0 0"
"ButtonText"="255 255 255"
"ButtonShadow"="128 128 128"
"ButtonHilight"="255 255 255"
"ButtonLight"="255 255 255"
"ButtonDkShadow"="255 255 255"
"Hilight"="26 235 255"
"HilightText"="0 0 0"
"HotTrackingColor"="255 255 0"
"GrayText"="63 242 63"
"Menu"="0 0 0"
"MenuText"="255 255 255"
"Background"="0 0 0"
COLOURS
    wine reg import "$(winepath -w "$work/high-contrast.reg")" >/dev/null 2>&1
    stop_wine
    check "the texts' contrast under a high-contrast scheme" drive contrast
    ;;
planted)
    # Libraries loaded at run time come from the system folder only. A copy
    # of the program stands beside a marker library under each of their
    # names, and Wine is told to prefer such files to its own: using
    # everything that loads a library must leave no marker. A library the
    # program comes to load at run time joins this list (msimg32.dll: Wine's
    # own libraries load it).
    run_time_libraries=(winspool.drv ole32.dll msimg32.dll oleacc.dll oleaut32.dll)
    mkdir -p "$work/planted"
    cp "$exe" "$work/planted/"
    for name in "${run_time_libraries[@]}"; do
        cp "$build/tests/platform/windows/planted_library.dll" "$work/planted/$name"
    done
    stop_wine
    program=$(winepath -w "$work/planted/Wagelyn.exe") \
        WINEDLLOVERRIDES="$WINEDLLOVERRIDES;$(IFS=,; echo "${run_time_libraries[*]}")=n,b" \
        check "what loads libraries at run time" drive planted
    loaded="$WINEPREFIX/drive_c/wagelyn-planted.txt"
    check "no library planted beside the program is loaded" test ! -e "$loaded"
    cat "$loaded" 2>/dev/null || true
    ;;
*)
    echo "no concern \"$concern\"" >&2
    exit 2
    ;;
esac
report "Wagelyn.exe under Wine: $concern"
