// Which catalogue the user's languages choose, and what it then shows.
#include "i18n/translation.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "i18n/compiled_catalogue.h"
#include "platform/languages.h"
#include "tests/support/row_names.h"
#include "ui/forms/main_form.h"

namespace wagelyn {
namespace {

using namespace testing;

struct LocaleCase : NamedRow {
    std::string_view language, lcAll, lcMessages, lang;
    std::vector<std::string> expected;
};

class PreferredLanguages : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(PreferredLanguages, FollowGettextsOrder) {
    const LocaleCase& c = GetParam();
    EXPECT_EQ(platform::LanguagesFromLocaleVariables(c.language, c.lcAll, c.lcMessages, c.lang),
              c.expected);
}

// clang-format off
const LocaleCase kLocales[] = {
    {"nothing set", "", "", "", "", {"C"}},
    {"C keeps English", "de", "C", "", "de_DE.UTF-8", {"C"}},
    {"LANGUAGE then LANG", "fr:de", "", "", "nl_NL.UTF-8", {"fr", "de", "nl_NL.UTF-8"}},
    {"LC_ALL first", "", "es_ES.UTF-8", "it_IT.UTF-8", "de_DE.UTF-8", {"es_ES.UTF-8"}},
    {"LC_MESSAGES next", "", "", "it_IT.UTF-8", "de_DE.UTF-8", {"it_IT.UTF-8"}},
    {"POSIX keeps English", "de", "", "", "POSIX", {"C"}},
    // Only C itself ignores LANGUAGE.
    {"C.UTF-8 takes LANGUAGE", "de", "", "", "C.UTF-8", {"de", "C.UTF-8"}},
    {"empty entries skipped", "::pt_BR:", "", "", "C.UTF-8", {"pt_BR", "C.UTF-8"}},
    {"LANGUAGE before an English LANG", "::pt_BR:", "", "", "en_GB.UTF-8",
     {"pt_BR", "en_GB.UTF-8"}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Locales, PreferredLanguages, ::testing::ValuesIn(kLocales), RowName{});

struct ChoiceCase : NamedRow {
    std::vector<std::string> preferred;
    const char* chosen;
};

class UseLanguageTest : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(UseLanguageTest, TakesTheFirstLanguageWithACatalogue) {
    EXPECT_EQ(UseLanguage(GetParam().preferred), GetParam().chosen);
}

// clang-format off
const ChoiceCase kChoices[] = {
    {"none", {}, ""},
    {"C", {"C"}, ""},
    {"locale with codeset and modifier", {"de_DE.UTF-8@euro"}, "de"},
    {"tag with hyphen", {"de-AT"}, "de"},
    {"no catalogue takes the next", {"xx_YY", "de"}, "de"},
    {"English is the design's own", {"en_US.UTF-8", "de"}, ""},
    {"POSIX ends the search", {"POSIX", "de"}, ""},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Choices, UseLanguageTest, ::testing::ValuesIn(kChoices), RowName{});

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

// A catalogue laid out as msgfmt lays it out, in either byte order.
struct MoFile {
    std::vector<unsigned char> bytes;
    bool bigEndian = false;

    void Put(std::size_t at, std::uint32_t word) {
        for (int i = 0; i < 4; ++i) {
            bytes[at + static_cast<std::size_t>(bigEndian ? 3 - i : i)] =
                static_cast<unsigned char>(word >> (8 * i));
        }
    }

    static MoFile Of(const std::vector<std::pair<std::string, std::string>>& entries,
                     bool bigEndian = false) {
        MoFile file{std::vector<unsigned char>(28 + entries.size() * 16), bigEndian};
        file.Put(0, 0x950412deU);
        file.Put(8, static_cast<std::uint32_t>(entries.size()));
        file.Put(12, 28);
        file.Put(16, static_cast<std::uint32_t>(28 + entries.size() * 8));
        for (std::size_t i = 0; i < entries.size(); ++i) {
            for (const auto& [table, text] :
                 {std::pair{12, entries[i].first}, std::pair{16, entries[i].second}}) {
                const std::size_t entry = (table == 12 ? 28 : 28 + entries.size() * 8) + i * 8;
                file.Put(entry, static_cast<std::uint32_t>(text.size()));
                file.Put(entry + 4, static_cast<std::uint32_t>(file.bytes.size()));
                file.bytes.insert(file.bytes.end(), text.begin(), text.end());
                file.bytes.push_back(0);
            }
        }
        return file;
    }
};

const std::vector<std::pair<std::string, std::string>> kEntries{
    {"", "Content-Type: text/plain; charset=UTF-8\n"}, {"Help", "Hilfe"}, {"Quit", "Beenden"}};

// The catalogue of kEntries with one change.
MoFile Changed(const std::function<void(MoFile&)>& change, bool bigEndian = false) {
    MoFile file = MoFile::Of(kEntries, bigEndian);
    change(file);
    return file;
}

// kEntries and one more.
MoFile With(std::string english) {
    auto entries = kEntries;
    entries.emplace_back(std::move(english), "x");
    return MoFile::Of(entries);
}

// Where the second entry's English text is described.
constexpr std::size_t kLength = 28 + 8;
constexpr std::size_t kOffset = kLength + 4;

struct ReadCase : NamedRow {
    MoFile file;
    bool read;
};

class CompiledCatalogueTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(CompiledCatalogueTest, ReadsWhatMsgfmtWritesAndRefusesTheRest) {
    const ReadCase& c = GetParam();
    const auto catalogue = CompiledCatalogue::Read(c.file.bytes);
    EXPECT_EQ(catalogue.has_value(), c.read);
    if (catalogue && catalogue->Count() > 0) {
        EXPECT_EQ(catalogue->Find("Help"), "Hilfe");
        EXPECT_EQ(catalogue->Find("Quit"), "Beenden");
        EXPECT_EQ(catalogue->Find("Print"), std::nullopt);
    }
}

// clang-format off
const ReadCase kFiles[] = {
    {"little-endian", MoFile::Of(kEntries), true},
    {"big-endian", MoFile::Of(kEntries, true), true},
    {"no entries", MoFile::Of({}), true},
    {"no bytes", MoFile{}, false},
    {"bad magic", Changed([](MoFile& f) { f.bytes[0] ^= 1; }), false},
    {"later revision", Changed([](MoFile& f) { f.Put(4, 1); }), false},
    {"header cut short", Changed([](MoFile& f) { f.bytes.resize(14); }), false},
    {"tables cut short", Changed([](MoFile& f) { f.bytes.resize(60); }), false},
    {"more entries than the tables hold", Changed([](MoFile& f) { f.Put(8, 0x20000000); }), false},
    {"table beyond the end", Changed([](MoFile& f) { f.Put(16, 0xfffffff8); }), false},
    {"text beyond the end", Changed([](MoFile& f) { f.Put(kOffset, 0xfffffffe); }), false},
    {"big-endian text beyond the end",
     Changed([](MoFile& f) { f.Put(kOffset, 0xfffffffe); }, true), false},
    {"length beyond the end", Changed([](MoFile& f) { f.Put(kLength, 0xffffffff); }), false},
    {"text without its terminator", Changed([](MoFile& f) { f.bytes.back() = 'x'; }), false},
    {"texts out of order", MoFile::Of({{"", ""}, {"Quit", "Beenden"}, {"Help", "Hilfe"}}), false},
    {"an entry with a context", With("menu\x04Zoom"), false},
    {"an entry with plural forms", With(std::string("file\0files", 10)), false},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Files, CompiledCatalogueTest, ::testing::ValuesIn(kFiles), RowName{});

}  // namespace
}  // namespace wagelyn
