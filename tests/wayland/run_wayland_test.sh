#!/usr/bin/env bash
# Starts the program natively on Wayland, against a headless Weston, and
# sees its window appear: the compositor configures a toplevel with the
# program's caption, and the program acknowledges it and attaches a drawn
# buffer to that surface. Exit 77 (skipped) when Weston or Qt's Wayland
# plugin is missing.
#
#   run_wayland_test.sh PROGRAM
set -euo pipefail
source "$(dirname "$0")/../support/harness.sh"
require_tools weston
ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
    skip "qt6-wayland is missing"

private_work wayland
on_exit() { [ "$1" = 0 ] || grep -sv '^\[' "$work/protocol.log" >&2 || true; }  # what it said
export XDG_RUNTIME_DIR="$work"
unset DISPLAY
spawn "$work/weston.log" weston --backend=headless-backend.so --socket=wagelyn-test
wait_until 100 test -S "$work/wagelyn-test" || { cat "$work/weston.log" >&2; exit 1; }

# The client side of the protocol, as the program speaks it.
WAYLAND_DISPLAY=wagelyn-test QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
    spawn "$work/protocol.log" "$1"

# The surface the toplevel was made of, once it exists. The protocol log
# names an object "interface@id" (libwayland 1.21) or "interface#id" (1.23).
window_appeared() {
    local log="$work/protocol.log" surface toplevel
    surface=$(sed -n 's/.*get_xdg_surface(new id xdg_surface[@#][0-9]*, wl_surface[@#]\([0-9]*\)).*/\1/p' "$log" | head -n 1)
    toplevel=$(sed -n 's/.*get_toplevel(new id xdg_toplevel[@#]\([0-9]*\)).*/\1/p' "$log" | head -n 1)
    [ -n "$surface" ] && [ -n "$toplevel" ] &&
        grep -q "xdg_toplevel[@#]$toplevel\.set_title(\"Wagelyn\.*created by" "$log" &&
        grep -q 'xdg_surface[@#][0-9]*\.ack_configure' "$log" &&
        grep -q "wl_surface[@#]$surface\.attach(wl_buffer[@#]" "$log"
}
# Until the window appears, or the program ends without it.
appeared_or_ended() { window_appeared || ! kill -0 "${spawned[-1]}" 2>/dev/null; }
appears() { wait_until 150 appeared_or_ended && window_appeared; }
check "the window appears on Wayland" appears
report wayland
