#!/usr/bin/env bash
# Builds the Debian package, judges it as Debian does (lintian, and
# hardening-check on the installed program), installs it on this machine,
# checks the installed files, starts the installed program under its own Xvfb
# and sees its window appear, then removes the package. Needs root: exit 77
# (skipped) without it, or when Wagelyn is already installed here; without
# lintian or hardening-check (devscripts) the rest runs, then exit 77.
#
#   check_debian_package.sh BUILD_DIR
set -euo pipefail
build=$1
source "$(dirname "$0")/../support/harness.sh"
[ "$(id -u)" -eq 0 ] || skip "needs root"
require_tools cpack dpkg-shlibdeps Xvfb xwininfo
if dpkg-query -W -f='${Status}' wagelyn 2>/dev/null | grep -q 'install ok installed'; then
    skip "wagelyn is installed already; left alone"
fi

private_work deb
# Whatever happens, the package goes again (an installed one skipped the test).
on_exit() { dpkg -r wagelyn >/dev/null 2>&1 || true; }

# Without dpkg-shlibdeps' list of dependencies, no package comes out.
refused() {
    ! (cd "$build" && cpack -G DEB -B "$work/bare" -D CPACK_DEBIAN_PACKAGE_SHLIBDEPS=OFF \
        >"$work/bare.log" 2>&1) && grep -q 'dpkg-dev' "$work/bare.log" &&
        ! ls "$work"/bare/*.deb >/dev/null 2>&1
}
check "a package without dependencies is refused" refused

(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/wagelyn_*.deb)
dpkg-deb -f "$deb" Depends Suggests Version >"$work/control"
check "dependencies computed from the binary" grep -q 'libqt6widgets6' "$work/control"
check "an Arial-compatible font suggested" grep -q 'Suggests: fonts-liberation' "$work/control"
check "version 1.0.0" grep -q 'Version: 1.0.0' "$work/control"

unjudged=()
judge() {  # judge TOOL DESCRIPTION COMMAND...: the check, or note the tool as missing
    command -v "$1" >/dev/null && check "${@:2}" || unjudged+=("$1")
}
# Every tag lintian knows, pedantic and informational ones too, shown; an
# error or a warning fails.
judge lintian "lintian finds no error or warning" \
    quietly "$work/lintian.log" lintian --pedantic -I --fail-on error,warning "$deb"

dpkg -i "$deb" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; exit 1; }
for file in /usr/bin/wagelyn \
    /usr/share/applications/io.github.wagelyn.Wagelyn.desktop \
    /usr/share/metainfo/io.github.wagelyn.Wagelyn.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/io.github.wagelyn.Wagelyn.svg \
    /usr/share/icons/hicolor/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/io.github.wagelyn.Wagelyn.png; do
    check "$file installed" test -f "$file"
done

# Hardened as Debian's own programs. Not judged: fortified functions, since
# no call in the program has a bound left to check at run time (the lintian
# override says which), and, where the C library's start files carry no
# IBT/SHSTK property (Debian 12), control-flow protection, which the linker
# then cannot mark on any program.
hardened() {
    local skip=(--nofortify)
    readelf -n "$(g++ -print-file-name=Scrt1.o)" 2>/dev/null | grep -q 'x86 feature: IBT, SHSTK' ||
        skip+=(--nocfprotection)
    # Branch protection is arm64's; newer hardening-check asks it of every
    # architecture (Debian's own programs fail it on amd64), older rejects
    # the option. (Its help is read whole: grep -q would cut the pipe.)
    [ "$(dpkg --print-architecture)" = arm64 ] ||
        [[ $(hardening-check --help 2>&1 || true) != *--nobranchprotection* ]] ||
        skip+=(--nobranchprotection)
    quietly "$work/hardening.log" hardening-check "${skip[@]}" /usr/bin/wagelyn
}
judge hardening-check "the installed program is hardened" hardened

# Menus and software centres show the entry in every language of the
# catalogues: each translatable key of the entry, and each translatable
# element of the AppStream file (name, summary, two paragraphs, the
# screenshot's caption and the release notes), carries it.
entry_translated() {
    local key
    for key in Name GenericName Comment Keywords; do
        grep -q "^$key\\[$1\\]=." /usr/share/applications/io.github.wagelyn.Wagelyn.desktop || return 1
    done
    # gettext 0.23 (Debian 13) writes a country's variant as the XML tag
    # "pt-BR"; 0.21 (Debian 12) keeps the catalogue's "pt_BR".
    [ "$(grep -cE "xml:lang=\"($1|${1/_/-})\">." /usr/share/metainfo/io.github.wagelyn.Wagelyn.metainfo.xml)" -eq 6 ]
}
while read -r language; do
    check "desktop entry and AppStream file in $language" entry_translated "$language"
done < <(grep -Ev '^[[:space:]]*(#|$)' "$(dirname "$0")/../../po/LINGUAS")

# The installed program opens its window.
# start_xvfb also sets QT_QPA_PLATFORM=xcb: a caller's "offscreen" would
# keep the window off the server.
start_xvfb "$work"
spawn /dev/null /usr/bin/wagelyn
window_shown() { xwininfo -root -tree 2>/dev/null | grep -q 'Wagelyn\.*created by'; }
check "the installed program shows its window" wait_until 100 window_shown
kill "${spawned[-1]}"
wait "${spawned[-1]}" 2>/dev/null || true

dpkg -r wagelyn >/dev/null
check "removed cleanly" test ! -e /usr/bin/wagelyn

report "debian package"
[ ${#unjudged[@]} -eq 0 ] || skip "${unjudged[*]} missing; not judged"
