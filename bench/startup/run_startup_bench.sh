#!/usr/bin/env bash
# Start-up and footprint of Wagelyn against the widget floor (the same window
# written plainly, with no logic), started alternately on a private Xvfb:
# medians of the time from exec to the first painted window and of resident
# memory once idle, and their ratios.
#
#   bench/startup/run_startup_bench.sh BUILD_DIR [RUNS]
set -euo pipefail
build=$(cd "$1" && pwd)
runs=${2:-11}
tool="$build/bench/startup/first_paint"
floor="$build/bench/startup/floor"

work=$(mktemp -d)
exec 3>"$work/display"
Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$work/display")"
export LC_ALL=C.UTF-8 XDG_RUNTIME_DIR="$work"

# One warm-up each, so that all find the same files in the page cache.
"$tool" 200 "$build/wagelyn" >/dev/null
"$tool" 200 "$floor" >/dev/null
for _ in $(seq "$runs"); do
    echo "wagelyn $("$tool" 1000 "$build/wagelyn")" >>"$work/results"
    echo "floor $("$tool" 1000 "$floor")" >>"$work/results"
done

awk -f "$(dirname "$0")/../summarise.awk" "$work/results"
