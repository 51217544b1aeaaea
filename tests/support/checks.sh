# Sourced by shell checks: check and report, now in harness.sh.
source "$(dirname "${BASH_SOURCE[0]}")/harness.sh"
