#!/usr/bin/env bash
# Start-up of Wagelyn.exe against a bare Win32 window of the same size, and
# against a plain window with all that Wagelyn's main window has (menu, icon,
# the 33 controls with their fonts, colours and tab stops, the tax list, the
# lines), all started in turn under Wine on a private Xvfb: the time from the
# start of the process until its window shows painted on the screen, as
# medians and their ratios. Wagelyn and the full floor are timed at the same
# pixels: the title band, the last control of the table (the bottom right
# label), the last figure box and the control painted last, the Print button
# (made last, as the last in tab order, so at the bottom of the z-order);
# the bare window at its background.
#
#   bench/win32/run_startup_bench.sh WINDOWS_BUILD_DIR [RUNS]
set -euo pipefail
build=$(cd "$1" && pwd)
runs=${2:-41}
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
source "$source_dir/tests/support/wine.sh"
wine_test_session

timer="$build/bench/win32/first_paint.exe"
wagelyn=$(winepath -w "$build/Wagelyn.exe")
bare=$(winepath -w "$build/bench/win32/bare_window.exe")
painted=(C0FFFF 145 20 BTNFACE 583 497 FFFFFF 340 380 FFFFFF 430 86)
measure_wagelyn() { wine "$timer" "$wagelyn" - "${painted[@]}" </dev/null | tr -d '\r'; }
measure_floor() { wine "$timer" "$bare" controls "${painted[@]}" </dev/null | tr -d '\r'; }
measure_bare() { wine "$timer" "$bare" - 8080FF 297 8 </dev/null | tr -d '\r'; }
measure_wagelyn >/dev/null  # warm-up: all find the same files in the page cache
measure_floor >/dev/null
measure_bare >/dev/null
for _ in $(seq "$runs"); do
    echo "wagelyn $(measure_wagelyn)" >>"$work/results"
    echo "bare $(measure_bare)" >>"$work/results"
    echo "floor $(measure_floor)" >>"$work/results"
done
awk -f "$(dirname "$0")/../summarise.awk" "$work/results"
ls -l "$build/Wagelyn.exe" | awk '{ printf "Wagelyn.exe: %d bytes\n", $5 }'
