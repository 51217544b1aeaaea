#!/usr/bin/env bash
# Runs a command on a private Xvfb through Qt's xcb platform, then stops the
# server. Exit 77 (skipped) when Xvfb is not installed.
#
#   run_under_xvfb.sh COMMAND [ARG...]
set -euo pipefail
source "$(dirname "$0")/harness.sh"
require_tools Xvfb
private_work xvfb
start_xvfb "$work"
"$@"
