# Sourced by test scripts: start_xvfb and stop_xvfb, now in harness.sh.
source "$(dirname "${BASH_SOURCE[0]}")/harness.sh"
