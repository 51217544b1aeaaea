#pragma once
// The windows' words in the user's language. The forms keep the design's
// English as data and mark each text with N_ for the catalogues in po/; a
// front end shows Translate(text). The catalogues are compiled into the
// program, so choosing a language reads nothing from disk.

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

// Marks a text for the catalogues (xgettext --keyword=N_). It stays the
// English literal it wraps, usable in constant tables.
#define N_(text) text

namespace wagelyn {

// Chooses the catalogue for the first of the user's languages that has one,
// as gettext does: "de_DE.UTF-8@euro" takes "de_DE", else "de". English, C
// and POSIX are the design's own words and end the search, as does running
// out of languages. Returns the catalogue's language ("de", "pt_BR"), or ""
// for English.
std::string_view UseLanguage(std::span<const std::string> preferred);

// The text in the chosen language; the English itself where the catalogue
// has no translation for it. The empty text stays empty.
std::string_view Translate(std::string_view english);

// Translate, then each "%s" replaced by the next argument in turn.
std::string TranslateFormat(std::string_view english,
                            std::initializer_list<std::string_view> arguments);

}  // namespace wagelyn
