# Sourced by test scripts: the shared shell harness.
#   check DESCRIPTION COMMAND...  runs COMMAND; a non-zero exit is a failure
#   report NAME                   prints "NAME: N passed, M failed"; fails if any did
#   skip WHY / require_tools TOOL...  exit 77 (skipped), saying why
#   quietly LOG COMMAND...        COMMAND's output in LOG, shown only when it fails
#   wait_until TRIES COMMAND...   COMMAND every 0.1 s until it succeeds; fails after TRIES
#   private_work NAME             $work, a fresh folder (mode 700); on exit on_exit
#                                 STATUS (if defined) runs, then spawned processes and $work go
#   spawn LOG COMMAND...          COMMAND in the background, its pid last in $spawned
#   start_xvfb WORK_DIR           a private Xvfb as DISPLAY; stop_xvfb ends it
passed=0
failed=0
spawned=()
xvfb_pid=""

check() {
    if "${@:2}"; then
        passed=$((passed + 1))
    else
        echo "FAILED: $1" >&2
        failed=$((failed + 1))
    fi
}

report() {
    echo "$1: $passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}

skip() {
    echo "$(basename "$0" .sh): $1; skipped" >&2
    exit 77
}

require_tools() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || skip "$tool is missing"
    done
}

quietly() {
    "${@:2}" >"$1" 2>&1 || { sed 's/^/    /' "$1" >&2 && return 1; }
}

wait_until() {
    local tries=$1
    shift
    until "$@"; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.1
    done
}

private_work() {
    work=$(mktemp -d "/tmp/wagelyn-$1.XXXXXX")
    trap harness_exit EXIT
}

harness_exit() {
    local status=$? i
    ! declare -F on_exit >/dev/null || on_exit "$status" || true
    for ((i = ${#spawned[@]} - 1; i >= 0; i--)); do
        kill "${spawned[i]}" 2>/dev/null || true
        wait "${spawned[i]}" 2>/dev/null || true
    done
    rm -rf "$work"
}

spawn() {
    "${@:2}" >"$1" 2>&1 </dev/null &
    spawned+=("$!")
}

start_xvfb() {
    local display_file="$1/xvfb-display"
    spawn "$1/xvfb.log" Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$display_file"
    xvfb_pid=${spawned[-1]}
    wait_until 100 test -s "$display_file" || { cat "$1/xvfb.log" >&2; return 1; }
    export DISPLAY=":$(head -n 1 "$display_file")"
    export QT_QPA_PLATFORM=xcb  # whatever the caller's environment says
}

stop_xvfb() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=""
    fi
}
