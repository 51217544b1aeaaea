#!/usr/bin/env bash
# Starts the program natively on Wayland, against a headless Weston, and
# sees its window appear: the compositor configures a toplevel with the
# program's caption, and the program acknowledges it and attaches a drawn
# buffer to that surface. Exit 77 (skipped) when Weston or Qt's Wayland
# plugin is missing.
#
#   run_wayland_test.sh PROGRAM
set -euo pipefail
program=$1
if ! command -v weston >/dev/null; then
    echo "wayland: weston is missing; skipped" >&2
    exit 77
fi
if ! ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1; then
    echo "wayland: qt6-wayland is missing; skipped" >&2
    exit 77
fi

work=$(mktemp -d /tmp/wagelyn-wayland.XXXXXX)
chmod 700 "$work"
weston_pid=""
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR="$work"
unset DISPLAY
weston --backend=headless-backend.so --socket=wagelyn-test >"$work/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
    [ -S "$work/wagelyn-test" ] && break
    sleep 0.1
done
if [ ! -S "$work/wagelyn-test" ]; then
    cat "$work/weston.log" >&2
    exit 1
fi

# The client side of the protocol, as the program speaks it.
WAYLAND_DISPLAY=wagelyn-test QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
    "$program" >"$work/protocol.log" 2>&1 </dev/null &
app_pid=$!

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
for _ in $(seq 150); do
    if window_appeared; then
        echo "the window appeared on Wayland"
        exit 0
    fi
    if ! kill -0 "$app_pid" 2>/dev/null; then
        break
    fi
    sleep 0.1
done
echo "the window never appeared; the program said:" >&2
grep -v '^\[' "$work/protocol.log" >&2 || true
exit 1
