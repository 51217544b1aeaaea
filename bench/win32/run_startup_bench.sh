#!/usr/bin/env bash
# Start-up of Wagelyn.exe against a bare Win32 window of the same size, and
# against that window with the same 33 controls written plainly, all started
# in turn under Wine on a private Xvfb: the time from the start of the process
# until its window shows painted on the screen (for Wagelyn, its pale-cyan
# title band, a child control, drawn), as medians and their ratios.
#
#   bench/win32/run_startup_bench.sh WINDOWS_BUILD_DIR [RUNS]
set -euo pipefail
build=$(cd "$1" && pwd)
runs=${2:-11}
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
source "$source_dir/tests/support/wine.sh"
source "$source_dir/tests/support/xvfb.sh"
require_tools wine wineserver winepath Xvfb

work=$(mktemp -d /tmp/wagelyn-wine-bench.XXXXXX)
trap 'stop_wine; stop_xvfb; rm -rf "$work"' EXIT
start_xvfb "$work"
start_wine "$work"

timer="$build/bench/win32/first_paint.exe"
wagelyn=$(winepath -w "$build/Wagelyn.exe")
bare=$(winepath -w "$build/bench/win32/bare_window.exe")
# Wagelyn: a corner of its title band; the floor: the middle of its window.
measure_wagelyn() { wine "$timer" "$wagelyn" C0FFFF 145 20 </dev/null | tr -d '\r'; }
measure_bare() { wine "$timer" "$bare" 8080FF 297 8 "$@" </dev/null | tr -d '\r'; }
measure_wagelyn >/dev/null  # warm-up: all find the same files in the page cache
measure_bare >/dev/null
for _ in $(seq "$runs"); do
    echo "wagelyn $(measure_wagelyn)" >>"$work/results"
    echo "bare $(measure_bare)" >>"$work/results"
    echo "controls $(measure_bare controls)" >>"$work/results"
done
awk '
function median(values, n,    i, j, t) {
    for (i = 2; i <= n; i++) for (j = i; j > 1 && values[j-1] > values[j]; j--) {
        t = values[j]; values[j] = values[j-1]; values[j-1] = t
    }
    return n % 2 ? values[(n+1)/2] : (values[n/2] + values[n/2+1]) / 2
}
{ n[$1]++; ms[$1, n[$1]] = $2 }
END {
    for (p in n) {
        for (i = 1; i <= n[p]; i++) a[i] = ms[p, i]
        m[p] = median(a, n[p])
        printf "%-8s shown painted after %7.1f ms   (%d runs)\n", p, m[p], n[p]
    }
    printf "wagelyn / bare window          %6.3f\n", m["wagelyn"] / m["bare"]
    printf "wagelyn / window with controls %6.3f\n", m["wagelyn"] / m["controls"]
}' "$work/results"
ls -l "$build/Wagelyn.exe" | awk '{ printf "Wagelyn.exe: %d bytes\n", $5 }'
