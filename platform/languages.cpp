#include "platform/languages.h"

namespace wagelyn::platform {

std::vector<std::string> LanguagesFromLocaleVariables(std::string_view language,
                                                      std::string_view lcAll,
                                                      std::string_view lcMessages,
                                                      std::string_view lang) {
    std::string_view locale = !lcAll.empty() ? lcAll : !lcMessages.empty() ? lcMessages : lang;
    // Only the plain C locale keeps its English whatever LANGUAGE says; C.UTF-8
    // and the like are locales like any other, as gettext has them.
    if (locale.empty() || locale == "C" || locale == "POSIX") {
        return {"C"};
    }
    std::vector<std::string> languages;
    while (!language.empty()) {
        const std::size_t colon = language.find(':');
        if (colon != 0) {
            languages.emplace_back(language.substr(0, colon));
        }
        if (colon == std::string_view::npos) {
            break;
        }
        language.remove_prefix(colon + 1);
    }
    languages.emplace_back(locale);
    return languages;
}

}  // namespace wagelyn::platform
