# Sourced by shell checks: count named checks and report failures.
#   check DESCRIPTION COMMAND...   runs COMMAND; a non-zero exit is a failure
#   report NAME                    prints "NAME: N passed, M failed"; fails if any did
passed=0
failed=0
check() {
    local what=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
    else
        echo "FAILED: $what" >&2
        failed=$((failed + 1))
    fi
}
report() {
    echo "$1: $passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}
