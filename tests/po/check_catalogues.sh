#!/usr/bin/env bash
# Fails when a catalogue no longer matches what the program shows: when
# po/wagelyn.pot lacks a text of the sources or keeps one they dropped, when
# a po/LL.po lacks a text of the template or keeps another (obsolete "#~"
# entries included), when po/LINGUAS and the PO files disagree, and when a
# catalogue does not compile under msgfmt --check or leaves a text fuzzy or
# untranslated. Exit 77 (skipped) without gettext's tools.
#
#   check_catalogues.sh SOURCE_DIR
set -uo pipefail
source "$(dirname "$0")/../support/harness.sh"
require_tools xgettext msgcmp msgfmt msgattrib
export LC_ALL=C
po=$(realpath "$1")/po
private_work catalogues

# msgcmp DEF REF fails when REF holds a msgid that DEF lacks; untranslated
# and fuzzy entries count (compiles_complete finds those), obsolete ones do not.
holds_every_text_of() { msgcmp --use-untranslated --use-fuzzy --no-fuzzy-matching "$1" "$2"; }
same_texts() { holds_every_text_of "$1" "$2" && holds_every_text_of "$2" "$1"; }
no_obsolete_entries() { [ -z "$(msgattrib --only-obsolete "$1")" ]; }
compiles_complete() {
    local statistics
    statistics=$(msgfmt --check --check-accelerators='&' --statistics -o /dev/null "$1" 2>&1) &&
        [[ $statistics != *fuzzy* && $statistics != *untranslated* ]] && return 0
    echo "$1: $statistics" >&2
    return 1
}

check "po/extract.sh runs" "$po/extract.sh" "$work/sources.pot"
check "po/wagelyn.pot holds exactly the sources' texts" same_texts "$work/sources.pot" "$po/wagelyn.pot"

mapfile -t languages < <(grep -Ev '^[[:space:]]*(#|$)' "$po/LINGUAS")
check "po/LINGUAS lists a language" test "${#languages[@]}" -gt 0
for language in "${languages[@]}"; do
    catalogue=$po/$language.po
    check "po/LINGUAS's $language has $language.po" test -f "$catalogue"
    [ -f "$catalogue" ] || continue
    check "$language.po holds exactly the template's texts" same_texts "$catalogue" "$po/wagelyn.pot"
    check "$language.po keeps no obsolete entry" no_obsolete_entries "$catalogue"
    check "$language.po compiles with every text translated" compiles_complete "$catalogue"
    check "$language.po names its language" grep -qx "\"Language: $language\\\\n\"" "$catalogue"
done
for catalogue in "$po"/*.po; do
    language=$(basename "$catalogue" .po)
    check "$language.po is listed in po/LINGUAS" grep -qx "$language" "$po/LINGUAS"
done
report check_catalogues
