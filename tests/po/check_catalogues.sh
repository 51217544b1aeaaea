#!/usr/bin/env bash
# Fails when a catalogue is stale or broken: po/wagelyn.pot must hold exactly
# the texts the forms mark, every language in po/LINGUAS must have a PO file
# with exactly those texts, all translated and none fuzzy, that msgfmt
# --check accepts, and no PO file may lie outside LINGUAS.
#
#   tests/po/check_catalogues.sh SOURCE_DIR
set -uo pipefail
source_dir=$1
for tool in xgettext msgcmp msgfmt msgattrib; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done
po=$source_dir/po
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

"$po/extract.sh" "$scratch/fresh.pot" || fail "the texts could not be extracted"
# msgcmp DEF REF: every text of REF is in DEF.
msgcmp --use-untranslated "$po/wagelyn.pot" "$scratch/fresh.pot" ||
    fail "po/wagelyn.pot lacks texts the forms have: run po/update.sh"
msgcmp --use-untranslated "$scratch/fresh.pot" "$po/wagelyn.pot" ||
    fail "po/wagelyn.pot holds texts the forms no longer have: run po/update.sh"

languages=$(grep -v '^#' "$po/LINGUAS" | grep -v '^$')
for file in "$po"/*.po; do
    language=$(basename "$file" .po)
    grep -qx "$language" <<<"$languages" || fail "$language.po is not listed in po/LINGUAS"
done
for language in $languages; do
    file=$po/$language.po
    if [ ! -e "$file" ]; then
        fail "po/LINGUAS lists $language, which has no $language.po"
        continue
    fi
    msgfmt --check -o /dev/null "$file" || fail "$language.po does not compile cleanly"
    msgcmp "$file" "$po/wagelyn.pot" || fail "$language.po lacks texts or translations"
    msgcmp --use-untranslated "$po/wagelyn.pot" "$file" ||
        fail "$language.po holds texts the forms no longer have"
    for kind in fuzzy obsolete; do
        if [ -n "$(msgattrib --only-$kind "$file")" ]; then
            fail "$language.po has $kind entries"
        fi
    done
done
[ "$failures" -eq 0 ] && echo "every catalogue is current"
exit $((failures > 0))
