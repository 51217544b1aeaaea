#!/usr/bin/env bash
# Runs the program as a screen reader meets it: a private Xvfb, a private
# session bus with the accessibility bus on it, the program with Qt's AT-SPI
# bridge on, and a client that works the window through AT-SPI alone.
# Exit 77 (skipped) when the AT-SPI packages are missing.
#
#   run_a11y_test.sh PROGRAM [CLIENT.py]  (work_the_window.py unless named)
#
# With WAGELYN_CLIENT_STARTS=1 the client starts the program itself, once
# for each setting it tries, from WAGELYN_PROGRAM.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../support/harness.sh"
launcher=/usr/libexec/at-spi-bus-launcher
require_tools Xvfb dbus-daemon dbus-send "$launcher"
# Debian's pyatspi lives with the system python, not with any other one.
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is missing"

private_work a11y
on_exit() {  # what the program said, when a check failed
    [ "$1" = 0 ] || [ "$1" = 77 ] || { echo "--- program output" && cat "$work/program.log"; } >&2
}
start_xvfb "$work"
export XDG_RUNTIME_DIR="$work"
spawn "$work/bus.log" dbus-daemon --session --nofork --print-address=3 3>"$work/bus-address"
wait_until 100 test -s "$work/bus-address" || { cat "$work/bus.log" >&2; exit 1; }
export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus-address")
spawn "$work/launcher.log" "$launcher" --launch-immediately
# Nothing may ask for the accessibility bus before the launcher owns its name:
# the session bus would start a second launcher for the asker, and the program
# and the client could end up on different buses.
a11y_ready() {
    local address
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true ||
        return 1
    address=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress 2>/dev/null | tr -d ' ')
    dbus-send --bus="$address" --print-reply --dest=org.a11y.atspi.Registry \
        /org/a11y/atspi/accessible/root org.freedesktop.DBus.Peer.Ping >/dev/null 2>&1
}
wait_until 100 a11y_ready ||
    { echo "the accessibility bus did not come up" && cat "$work/launcher.log" && exit 1; } >&2

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export WAGELYN_PROGRAM=$1
[ "${WAGELYN_CLIENT_STARTS:-}" = 1 ] || spawn "$work/program.log" "$1"
/usr/bin/python3 "$here/${2:-work_the_window.py}"
