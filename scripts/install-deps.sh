#!/usr/bin/env bash
# Installs the Debian packages that building and running Wagelyn need, and
# with --test those its tests need too; only the missing ones. Not root, it
# uses sudo where there is one, and otherwise says what to run as root.
#
#   scripts/install-deps.sh [--test]
set -euo pipefail

with_tests=no
for argument in "$@"; do
    case "$argument" in
        --test) with_tests=yes ;;
        *)
            echo "usage: scripts/install-deps.sh [--test]" >&2
            exit 2
            ;;
    esac
done

# libFuzzer and the sanitizer runtimes come in a package named after the
# release's default clang: clang 14 on Debian 12, clang 19 on Debian 13.
clang_runtime() {
    local release=
    [ -r /etc/os-release ] && release=$(. /etc/os-release && echo "${VERSION_ID:-}")
    case "$release" in
        12) echo libclang-rt-14-dev ;;
        13) echo libclang-rt-19-dev ;;
        *)
            # Another release: ask apt which clang the clang package brings.
            local version
            version=$(apt-cache depends clang 2>/dev/null | sed -n 's/^ *Depends: clang-\([0-9][0-9]*\)$/\1/p' | head -n 1)
            echo "libclang-rt-${version:-14}-dev"
            ;;
    esac
}

# KDE's Breeze style and Plasma's platform theme exist for Qt 6 from Debian
# 13 on; Debian 12 has them for Qt 5 only.
kde_looks() {
    local release=
    [ -r /etc/os-release ] && release=$(. /etc/os-release && echo "${VERSION_ID:-}")
    if [ -n "$release" ] && [ "$release" -ge 13 ] 2>/dev/null; then
        echo kde-style-breeze plasma-integration fonts-noto-core
    fi
}

packages=(
    g++ cmake ninja-build pkg-config          # toolchain
    qt6-base-dev                              # Widgets, PrintSupport, Test
    libfontconfig-dev                         # loading the font configuration early
    fonts-liberation                          # Arial-compatible face for the layout
    gettext                                   # compiling the catalogues of translations
    qt6-translations-l10n                     # Qt's own texts in the user's language
)
if [ "$with_tests" = yes ]; then
    packages+=(
        libgtest-dev libbenchmark-dev         # tests and benchmarks
        libx11-dev libxdamage-dev             # the start-up benchmark's first-paint timer
        xvfb xauth x11-utils                  # tests that need a real X server
        cups cups-client printer-driver-cups-pdf poppler-utils  # a private print server
        g++-mingw-w64-x86-64-win32 nsis python3  # Wagelyn.exe, its installer and archive
        python3-yaml                          # reading its winget manifests
        osslsigncode                          # signing it, where a certificate is given
        wixl msitools faketime                # its MSI, the same from the same source
        wine64 wine fonts-wine                # the Windows program, under Wine
        desktop-file-utils appstream dpkg-dev file  # desktop files and the Debian package
        lintian devscripts diffoscope-minimal  # judging the package, hardening, reproducibility
        clang "$(clang_runtime)"              # the fuzzers
        qt6ct qt6-gtk-platformtheme gnome-themes-extra  # dark colour schemes
        python3-pyatspi at-spi2-core dbus-daemon  # a screen reader's view, over AT-SPI
        orca openbox xdotool                  # a real screen reader, its window manager, real keys
        speech-dispatcher speech-dispatcher-espeak-ng  # the speech it writes to its log
        qt6-wayland weston                    # Wayland, on a headless compositor
        adwaita-qt6 fonts-cantarell           # GNOME's style and font for Qt programs
    )
    for package in $(kde_looks); do
        packages+=("$package")
    done
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

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "Wagelyn needs these Debian packages: ${missing[*]}" >&2
        echo "Install them as root, then run this command again:" >&2
        echo "    su -c 'apt-get update && apt-get install --no-install-recommends ${missing[*]}'" >&2
        exit 1
    fi
    as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
