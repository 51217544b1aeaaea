#pragma once
// The languages the user wants the program's words in, most preferred
// first, as the system names them ("de_DE.UTF-8", "pt-BR", "C").

#include <string>
#include <string_view>
#include <vector>

namespace wagelyn::platform {

// Windows: the user's preferred UI languages. Elsewhere: gettext's order,
// from the environment (see LanguagesFromLocaleVariables).
std::vector<std::string> PreferredLanguages();

// gettext's order: the locale that LC_ALL, LC_MESSAGES or LANG names (the
// first set), preceded by the colon-separated LANGUAGE list. As in gettext,
// LANGUAGE is ignored only when that locale is C or POSIX or none is set, so
// the plain C locale keeps the design's English, while C.UTF-8 follows
// LANGUAGE as every gettext program does.
std::vector<std::string> LanguagesFromLocaleVariables(std::string_view language,
                                                      std::string_view lcAll,
                                                      std::string_view lcMessages,
                                                      std::string_view lang);

}  // namespace wagelyn::platform
