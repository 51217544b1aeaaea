#!/usr/bin/env bash
# Writes the template of every text the user meets to the file given: the
# shared forms' texts (each marked N_, with its translator comment), then
# those of the desktop entry and the AppStream file (xgettext reads the
# latter through the AppStream ITS rules that gettext or appstream installs).
#
#   po/extract.sh OUTPUT.pot
set -euo pipefail
output=$(realpath -m "$1")
cd "$(dirname "$0")/.."
common=(--from-code=UTF-8 --add-comments=TRANSLATORS: --sort-by-file --package-name=Wagelyn
    --msgid-bugs-address="the project's issue tracker")
xgettext "${common[@]}" --language=C++ --keyword=N_ -o "$output" ui/forms/*.h ui/forms/*.cpp system_info/*.h system_info/*.cpp
xgettext "${common[@]}" --join-existing -o "$output" \
    packaging/linux/io.github.wagelyn.Wagelyn.desktop.in \
    packaging/linux/io.github.wagelyn.Wagelyn.metainfo.xml.in
