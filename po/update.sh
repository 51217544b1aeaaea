#!/usr/bin/env bash
# Brings the catalogues up to date with the forms' texts: writes
# po/wagelyn.pot afresh, then merges it into every po/LL.po that po/LINGUAS
# lists (new texts come in untranslated, removed ones go).
#
#   po/update.sh
set -euo pipefail
cd "$(dirname "$0")"
./extract.sh wagelyn.pot
while read -r language; do
    case "$language" in '' | '#'*) continue ;; esac
    if [ -e "$language.po" ]; then
        msgmerge --quiet --update --backup=none --no-fuzzy-matching "$language.po" wagelyn.pot
        msgattrib --no-obsolete -o "$language.po" "$language.po"
    else
        msginit --no-translator --locale="$language" -i wagelyn.pot -o "$language.po"
        # msginit takes the charset from the locale, ASCII where that is not
        # installed; the catalogues are UTF-8.
        msgconv --to-code=UTF-8 -o "$language.po" "$language.po"
    fi
done <LINGUAS
