#!/usr/bin/env bash
# Writes the template of every text the user meets, from the shared forms
# (each marked N_, with its translator comment), to the file given.
#
#   po/extract.sh OUTPUT.pot
set -euo pipefail
output=$(realpath -m "$1")
cd "$(dirname "$0")/.."
xgettext --from-code=UTF-8 --language=C++ --keyword=N_ --add-comments=TRANSLATORS: \
    --package-name=Wagelyn --msgid-bugs-address="the project's issue tracker" \
    --sort-by-file -o "$output" ui/forms/*.h ui/forms/*.cpp
