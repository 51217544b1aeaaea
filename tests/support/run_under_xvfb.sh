#!/usr/bin/env bash
# Runs a command on a private Xvfb through Qt's xcb platform, then stops the
# server. Exit 77 (skipped) when Xvfb is not installed.
#
#   run_under_xvfb.sh COMMAND [ARG...]
set -euo pipefail
if ! command -v Xvfb >/dev/null; then
    echo "run_under_xvfb: Xvfb is missing; skipped" >&2
    exit 77
fi
work=$(mktemp -d /tmp/wagelyn-xvfb.XXXXXX)
source "$(dirname "$0")/xvfb.sh"
trap 'stop_xvfb; rm -rf "$work"' EXIT
start_xvfb "$work"
"$@"
