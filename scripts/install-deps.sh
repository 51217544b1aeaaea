#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Wagelyn
# need, and only those missing. Uses sudo when not run as root.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config          # toolchain
    qt6-base-dev                              # Widgets, PrintSupport, Test
    libgtest-dev libbenchmark-dev             # tests and benchmarks
    fonts-liberation                          # Arial-compatible face for the layout
    xvfb xauth x11-utils imagemagick          # tests that need a real X server
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
