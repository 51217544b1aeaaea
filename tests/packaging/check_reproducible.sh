#!/usr/bin/env bash
# Builds the release packages of the source's commit twice, as the README
# says, from two clones in folders of different names and depths, under
# different time zones, locales and umasks, both with SOURCE_DATE_EPOCH the
# commit's time, and compares every artefact byte for byte: the program, the
# Debian package, Wagelyn.exe, the Windows installer, archive and any MSI,
# their SHA-256 files and the winget manifests. On a difference, diffoscope
# (diffoscope-minimal), where installed, says what differs. Only committed
# work is built. Exit 77 (skipped) outside a git checkout or without the
# tools of either build.
#
#   check_reproducible.sh SOURCE_DIR WORK_PARENT_DIR
set -euo pipefail
source_dir=$1
source "$(dirname "$0")/../support/harness.sh"
require_tools git cmake cpack ninja dpkg-shlibdeps x86_64-w64-mingw32-g++ makensis
commit=$(git -C "$source_dir" rev-parse HEAD 2>/dev/null) ||
    skip "$source_dir is not a git checkout"
[ -z "$(git -C "$source_dir" status --porcelain --untracked-files=no)" ] ||
    echo "check_reproducible: uncommitted changes are not built, only $commit" >&2
mkdir -p "$2"
work=$(mktemp -d "$(cd "$2" && pwd)/reproducible.XXXXXX")
trap 'rm -rf "$work"' EXIT
export SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH=$(git -C "$source_dir" log -1 --format=%ct "$commit")

# build FOLDER UMASK TZ LOCALE: a clone of the commit, the Linux and the
# Windows release built and packed in it, all under that umask, time zone
# and locale.
build() {
    (
        umask "$2"
        export TZ=$3 LC_ALL=$4 LANG=$4
        git clone --quiet --no-checkout "$source_dir" "$1" &&
            git -C "$1" checkout --quiet --detach "$commit" &&
            cd "$1" &&
            cmake --preset release && cmake --build --preset release &&
            (cd build/release && cpack -G DEB) &&
            cmake --preset windows -DBUILD_TESTING=OFF -DWAGELYN_BENCHMARKS=OFF &&
            cmake --build --preset windows && (cd build/windows && cpack)
    ) >"$1.log" 2>&1 || { tail -n 30 "$1.log" >&2; return 1; }
}
# The artefacts of one build, as paths under its build/ folder.
artefacts() {
    (cd "$1/build" && ls -d release/wagelyn release/wagelyn_*.deb* windows/Wagelyn.exe \
        windows/Wagelyn-* windows/winget/* 2>/dev/null || true) | sort
}

first=$work/a/wagelyn
second=$work/second-build/in/another/folder/wagelyn
mkdir -p "$(dirname "$first")" "$(dirname "$second")"
start=$SECONDS
check "the first build (UTC, C.UTF-8 locale, umask 022)" build "$first" 022 UTC0 C.UTF-8
check "the second build (UTC+13:45, POSIX locale, umask 002)" build "$second" 002 XST-13:45 POSIX
echo "two builds in $((SECONDS - start)) s"

artefacts "$first" >"$work/first.list"
artefacts "$second" >"$work/second.list"
for expected in 'release/wagelyn_.*\.deb' 'windows/Wagelyn\.exe' 'windows/Wagelyn-.*-win64\.exe' \
    'windows/Wagelyn-.*-win64\.zip' 'windows/Wagelyn-.*\.sha256' 'windows/winget/.*\.yaml'; do
    check "a build makes $expected" grep -qx "$expected" "$work/first.list"
done
check "both builds make the same artefacts" cmp "$work/first.list" "$work/second.list"

same() {
    cmp -s "$first/build/$1" "$second/build/$1" && return 0
    ! command -v diffoscope >/dev/null ||
        diffoscope --text - "$first/build/$1" "$second/build/$1" 2>&1 | head -n 60 >&2
    return 1
}
while read -r artefact; do
    check "$artefact is the same" same "$artefact"
    echo "$artefact: $(stat -c %s "$first/build/$artefact") bytes, sha256 $(sha256sum <"$first/build/$artefact" | cut -c1-16)"
done <"$work/first.list"
report "reproducible packages"
