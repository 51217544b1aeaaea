#!/usr/bin/env bash
# Start-up and footprint of Wagelyn against the widget floor (the same window
# written plainly, with no logic), started alternately on a private Xvfb:
# medians of the time from exec to the first painted window and of resident
# memory once idle, and their ratios; under English (C.UTF-8) and under
# German (LANGUAGE=de, LANG=de_DE.UTF-8: Wagelyn's catalogue and Qt's own
# translations), each against the floor started under the same settings.
#
#   bench/startup/run_startup_bench.sh BUILD_DIR [RUNS]
#
# Both programs get a private session bus that starts no services: without
# one, D-Bus would autolaunch a bus of its own (and map a window while doing
# so) and a program could wait on it forever. Everything started here is
# stopped on the way out, however the run ends.
set -euo pipefail
build=$(cd "$1" && pwd)
runs=${2:-11}
tool="$build/bench/startup/first_paint"
floor="$build/bench/startup/floor"
for needed in Xvfb dbus-daemon "$tool" "$floor" "$build/wagelyn"; do
    command -v "$needed" >/dev/null || { echo "run_startup_bench: $needed is missing" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb="" bus="" measuring=""
cleanup() {
    for pid in $measuring $bus $xvfb; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "run_startup_bench: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"
# English: LANGUAGE, which counts under C.UTF-8 as gettext has it, is cleared.
unset LANGUAGE
export LC_ALL=C.UTF-8 XDG_RUNTIME_DIR="$work"
chmod 700 "$work"

cat >"$work/bus.conf" <<CONF
<busconfig>
  <type>session</type>
  <listen>unix:dir=$work</listen>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
dbus-daemon --config-file="$work/bus.conf" --fork --print-address=4 --print-pid=5 \
    4>"$work/bus-address" 5>"$work/bus-pid"
bus=$(cat "$work/bus-pid")
export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus-address")

# One measurement: "NAME MILLISECONDS KILOBYTES" appended to the results.
# Any further arguments are env's, for the program's settings.
measure() {
    local name=$1 idle=$2 program=$3
    env "${@:4}" "$tool" "$idle" "$program" >"$work/one" &
    measuring=$!
    wait "$measuring"
    measuring=""
    echo "$name $(cat "$work/one")" >>"$work/results"
}

# One warm-up each, so that all find the same files in the page cache.
measure warm-up 200 "$build/wagelyn"
measure warm-up 200 "$floor"
: >"$work/results"
german=(-u LC_ALL LANGUAGE=de LANG=de_DE.UTF-8)
for _ in $(seq "$runs"); do
    measure wagelyn 1000 "$build/wagelyn"
    measure floor 1000 "$floor"
    measure wagelyn-de 1000 "$build/wagelyn" "${german[@]}"
    measure floor-de 1000 "$floor" "${german[@]}"
done

awk -f "$(dirname "$0")/../summarise.awk" "$work/results"
