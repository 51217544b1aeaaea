# Sourced by test scripts: starts a private Xvfb and exports its DISPLAY.
# The caller's EXIT trap must call stop_xvfb.
#
#   start_xvfb WORK_DIR  (returns 1 when Xvfb does not come up)
xvfb_pid=""

start_xvfb() {
    local display_file="$1/xvfb-display"
    : >"$display_file"
    Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$display_file" >"$1/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        if [ -s "$display_file" ]; then
            export DISPLAY=":$(head -n 1 "$display_file")"
            export QT_QPA_PLATFORM=xcb  # whatever the caller's environment says
            return 0
        fi
        sleep 0.1
    done
    cat "$1/xvfb.log" >&2
    return 1
}

stop_xvfb() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=""
    fi
}
