# Sourced by test scripts: a throwaway Wine prefix for the Windows programs,
# with the shared harness (harness.sh) sourced too.
#
#   wine_test_session [--no-display] [--in PARENT] TOOL...
#       the prologue of a test under Wine: skipped (exit 77) unless Wine and
#       each TOOL are here; a work folder, $work, in PARENT (or /tmp); a private
#       Xvfb (with --no-display, no display at all); a new prefix in $work. At
#       exit, all of it is stopped and removed.
#   start_wine WORK_DIR     a new prefix in WORK_DIR, exported as WINEPREFIX;
#                           the caller's EXIT trap must call stop_wine
source "$(dirname "${BASH_SOURCE[0]}")/harness.sh"

start_wine() {
    # No Mono or Gecko prompts, and no menu entries or desktop files made on
    # this machine for what a test installs.
    export WINEPREFIX="$1/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    # In the caller's display, or none: Wine's desktop keeps the one it
    # started with.
    quietly "$1/wineboot.log" wineboot -i
    # Without a window manager Wine waits for one whenever a window closes.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
}

stop_wine() {
    # Wait for the server to end before its prefix goes: Wine names a server
    # by its prefix's inode, which the next test's new prefix may be given,
    # and a server still ending there would take that test's programs.
    if [ -n "${WINEPREFIX:-}" ]; then
        wineserver -k 2>/dev/null || true
        wineserver -w 2>/dev/null || true
    fi
}

wine_test_session() {
    local display=Xvfb parent=/tmp
    [ "${1:-}" != --no-display ] || { display= && shift; }
    [ "${1:-}" != --in ] || { parent=$2 && shift 2; }
    require_tools wine wineserver winepath $display "$@"
    mkdir -p "$parent"
    work=$(mktemp -d "$(cd "$parent" && pwd)/wagelyn-wine.XXXXXX")
    trap 'stop_wine; stop_xvfb; rm -rf "$work"' EXIT
    # A step that ends the test early (set -e) says which, whatever it printed.
    trap 'echo "$(basename "$0"): line $LINENO failed: $BASH_COMMAND" >&2' ERR
    if [ -n "$display" ]; then
        start_xvfb "$work"
    else
        unset DISPLAY
    fi
    start_wine "$work"
}
