#!/usr/bin/env bash
# Installs the Debian packages that building and running Wagelyn need, and
# with --test those its tests need too; only the missing ones. Uses sudo when
# not run as root.
#
#   scripts/install-deps.sh [--test]
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config          # toolchain
    qt6-base-dev                              # Widgets, PrintSupport, Test
    libfontconfig-dev                         # loading the font configuration early
    libgtest-dev libbenchmark-dev             # tests and benchmarks are built by default
    libx11-dev libxdamage-dev                 # the start-up benchmark's first-paint timer
    fonts-liberation                          # Arial-compatible face for the layout
)
if [ "${1:-}" = "--test" ]; then
    packages+=(
        xvfb xauth x11-utils                  # tests that need a real X server
        cups cups-client printer-driver-cups-pdf poppler-utils  # a private print server
        g++-mingw-w64-x86-64-win32 wine64 wine  # the Windows side, under Wine
        desktop-file-utils appstream dpkg-dev  # desktop files and the Debian package
        clang libclang-rt-14-dev              # the fuzzers
    )
fi

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
