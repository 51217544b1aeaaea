# Sourced by test scripts: a throwaway Wine prefix for the Windows programs.
# The caller's EXIT trap must call stop_wine.
#
#   require_tools TOOL...   exit 77 (skipped) when one is missing
#   start_wine WORK_DIR     a new prefix in WORK_DIR, exported as WINEPREFIX
require_tools() {
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "$(basename "$0"): $tool is missing; skipped" >&2
            exit 77
        fi
    done
}

start_wine() {
    # No Mono or Gecko prompts, and no menu entries or desktop files made on
    # this machine for what a test installs.
    export WINEPREFIX="$1/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    # In the caller's display, or none: Wine's desktop keeps the one it
    # started with.
    wineboot -i >/dev/null 2>&1
    # Without a window manager Wine waits for one whenever a window closes.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
}

stop_wine() {
    if [ -n "${WINEPREFIX:-}" ]; then
        wineserver -k 2>/dev/null || true
    fi
}
