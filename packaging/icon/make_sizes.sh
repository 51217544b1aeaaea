#!/usr/bin/env bash
# Renders the scalable icon at the sizes Linux icon themes use, into
# packaging/icon/hicolor/<size>/wagelyn.png (needs librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256; do
    mkdir -p "hicolor/${size}"
    rsvg-convert -w "$size" -h "$size" wagelyn.svg -o "hicolor/${size}/wagelyn.png"
done
