// Which catalogue the user's languages choose, and what it then shows.
#include "ui/forms/translation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/languages.h"
#include "ui/forms/main_form.h"

namespace wagelyn {
namespace {

struct LocaleCase {
    const char* language;
    const char* lcAll;
    const char* lcMessages;
    const char* lang;
    std::vector<std::string> expected;
};

TEST(PreferredLanguages, FollowGettextsOrder) {
    const LocaleCase cases[] = {
        {"", "", "", "", {"C"}},
        {"de", "C", "", "de_DE.UTF-8", {"C"}},  // a C locale keeps English
        {"fr:de", "", "", "nl_NL.UTF-8", {"fr", "de", "nl_NL.UTF-8"}},
        {"", "es_ES.UTF-8", "it_IT.UTF-8", "de_DE.UTF-8", {"es_ES.UTF-8"}},
        {"", "", "it_IT.UTF-8", "de_DE.UTF-8", {"it_IT.UTF-8"}},
        {"::pt_BR:", "", "", "C.UTF-8", {"C"}},
        {"::pt_BR:", "", "", "en_GB.UTF-8", {"pt_BR", "en_GB.UTF-8"}},
    };
    for (const LocaleCase& c : cases) {
        EXPECT_EQ(platform::LanguagesFromLocaleVariables(c.language, c.lcAll, c.lcMessages, c.lang),
                  c.expected)
            << "LANGUAGE=" << c.language << " LC_ALL=" << c.lcAll << " LANG=" << c.lang;
    }
}

struct ChoiceCase {
    std::vector<std::string> preferred;
    const char* chosen;
};

TEST(UseLanguage, TakesTheFirstLanguageWithACatalogue) {
    const ChoiceCase cases[] = {
        {{}, ""},
        {{"C"}, ""},
        {{"de_DE.UTF-8@euro"}, "de"},
        {{"de-AT"}, "de"},
        {{"xx_YY", "de"}, "de"},      // no catalogue: the next language
        {{"en_US.UTF-8", "de"}, ""},  // English is the design's own
        {{"POSIX", "de"}, ""},
    };
    for (const ChoiceCase& c : cases) {
        EXPECT_EQ(UseLanguage(c.preferred), c.chosen) << ::testing::PrintToString(c.preferred);
    }
}

TEST(Translate, ShowsTheCataloguesTextAndFallsBackToEnglish) {
    const std::vector<std::string> german{"de"};
    ASSERT_EQ(UseLanguage(german), "de");
    EXPECT_NE(Translate(main_form::kHelpMenu), main_form::kHelpMenu);
    EXPECT_EQ(Translate("a text no form has"), "a text no form has");
    EXPECT_EQ(Translate(""), "");
    EXPECT_EQ(TranslateFormat("%s and %s, %s", {"one", "two"}), "one and two, %s");

    UseLanguage({});
    EXPECT_EQ(Translate(main_form::kHelpMenu), main_form::kHelpMenu);
}

}  // namespace
}  // namespace wagelyn
