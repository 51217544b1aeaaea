#include "conversion/text_to_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "conversion/number_to_text.h"
#include "formats.h"
#include "tests/support/row_names.h"

namespace wagelyn {
namespace {

using namespace testing;

struct Case : NamedRow {
    std::string text;
    NumberFormat format;
    std::optional<double> expected;
};

class TextToNumberTest : public ::testing::TestWithParam<Case> {};

TEST_P(TextToNumberTest, ReadsOrFails) {
    const Case& c = GetParam();
    const std::optional<double> got = TextToNumber(c.text, c.format);
    ASSERT_EQ(got.has_value(), c.expected.has_value()) << '"' << c.text << '"';
    if (c.expected) {
        EXPECT_EQ(*got, *c.expected) << '"' << c.text << '"';
    }
}

// clang-format off
const Case kCases[] = {
    {"Plain", "52000", kEnglish, 52000.0},
    {"Grouped", "52,000", kEnglish, 52000.0},
    {"Exponent", "5.2E4", kEnglish, 52000.0},
    {"LowerExponent", "5.2e4", kEnglish, 52000.0},
    {"SignedExponent", "1E-3", kEnglish, 0.001},
    {"PlusExponent", "1e+3", kEnglish, 1000.0},
    {"Blanks", "  25 \t", kEnglish, 25.0},
    {"NoBreakSpacesAround", "\u00A0\u202F52000\u2007\u00A0", kEnglish, 52000.0},
    {"NoBreakSpaceInside", "52\u00A0000", kEnglish, std::nullopt},
    {"FrenchGroupThenTrailingBlank", "52\u202F000\u202F", kFrench, 52000.0},
    {"Negative", "-10", kEnglish, -10.0},
    {"Plus", "+12.5", kEnglish, 12.5},
    {"LeadingPoint", ".5", kEnglish, 0.5},
    {"TrailingPoint", "5.", kEnglish, 5.0},
    {"LeadingZeros", "007", kEnglish, 7.0},
    {"NearestDouble", "0.1", kEnglish, 0.1},
    {"SeveralGroups", "1,234,567.25", kEnglish, 1234567.25},
    {"LooseGroup", "5,2000", kEnglish, std::nullopt},
    {"ShortLastGroup", "52,00", kEnglish, std::nullopt},
    {"LongFirstGroup", "5200,000", kEnglish, std::nullopt},
    {"GroupThenExponent", "1,000E3", kEnglish, 1e6},
    {"MaxDouble", "1.7976931348623157E308", kEnglish, 1.7976931348623157e308},
    {"Underflow", "1e-400", kEnglish, 0.0},
    {"LongExponent", "1e-99999999999999999999", kEnglish, 0.0},
    {"ZeroHugeExponent", "0e99999999999999", kEnglish, 0.0},
    {"GermanGrouped", "52.000", kGerman, 52000.0},
    {"GermanDecimal", "4333,33", kGerman, 4333.33},
    {"GermanBoth", "1.234,5", kGerman, 1234.5},
    {"FrenchNarrowSpace", "52\u202F000,5", kFrench, 52000.5},
    {"SwissApostrophe", "52\u2019000.25", kSwiss, 52000.25},
    // Grouped as people type it: any blank where the region groups with a
    // blank, an ASCII apostrophe where it groups with U+2019.
    {"FrenchPlainSpace", "52 000,5", kFrench, 52000.5},
    {"FrenchNoBreakSpace", "1\u00A0234 567", kFrench, 1234567.0},
    {"RussianPlainSpace", "1 234 567,5", kRussian, 1234567.5},
    {"RussianNarrowSpace", "52\u202F000", kRussian, 52000.0},
    {"SwissAsciiApostrophe", "1'234'567.25", kSwiss, 1234567.25},
    {"SwissBlankRefused", "52 000", kSwiss, std::nullopt},
    {"SpaceUnderGermanRefused", "52 000", kGerman, std::nullopt},
    {"ApostropheUnderEnglishRefused", "52'000", kEnglish, std::nullopt},
    {"LooseBlankGroupRefused", "5 2000", kFrench, std::nullopt},
    // Failures.
    {"Empty", "", kEnglish, std::nullopt},
    {"BlanksOnly", "   ", kEnglish, std::nullopt},
    {"Letters", "abc", kEnglish, std::nullopt},
    {"LoneMinus", "-", kEnglish, std::nullopt},
    {"LonePlus", "+", kEnglish, std::nullopt},
    {"LonePoint", ".", kEnglish, std::nullopt},
    {"Nan", "nan", kEnglish, std::nullopt},
    {"Inf", "inf", kEnglish, std::nullopt},
    {"Infinity", "-infinity", kEnglish, std::nullopt},
    {"Hex", "0x1A", kEnglish, std::nullopt},
    {"HexFloat", "0x1p3", kEnglish, std::nullopt},
    {"BasicHex", "&H1A", kEnglish, std::nullopt},
    {"BasicOctal", "&O17", kEnglish, std::nullopt},
    {"Overflow", "1e400", kEnglish, std::nullopt},
    {"LongOverflow", "1e99999999999999999999", kEnglish, std::nullopt},
    {"JustOverMax", "1.8e308", kEnglish, std::nullopt},
    {"TrailingLetters", "12abc", kEnglish, std::nullopt},
    {"InnerBlank", "52 000", kEnglish, std::nullopt},
    {"TwoSigns", "--5", kEnglish, std::nullopt},
    {"TwoPoints", "1.2.3", kEnglish, std::nullopt},
    {"ExponentWithoutDigits", "5E", kEnglish, std::nullopt},
    {"ExponentWithoutMantissa", "E5", kEnglish, std::nullopt},
    {"LeadingGroup", ",52", kEnglish, std::nullopt},
    {"TrailingGroup", "52,", kEnglish, std::nullopt},
    {"DoubleGroup", "52,,000", kEnglish, std::nullopt},
    {"GroupInFraction", "1.000,5", kEnglish, std::nullopt},
    {"EnglishPointUnderGerman", "4333.33", kGerman, std::nullopt},
    {"Currency", "$5", kEnglish, std::nullopt},
    {"Parentheses", "(5)", kEnglish, std::nullopt},
    {"TrailingSign", "5-", kEnglish, std::nullopt},
    {"EmbeddedNul", std::string("5\0" "1", 3), kEnglish, std::nullopt},
    {"HalfOfNarrowSpace", "52\xE2\x80" "000", kFrench, std::nullopt},
    {"FullWidthDigits", "\xEF\xBC\x95", kEnglish, std::nullopt},
    {"RightToLeftMark", "\u200F52000", kEnglish, std::nullopt},
    {"Emoji", "52000\U0001F4B0", kEnglish, std::nullopt},
    {"ControlCharacter", "52\x01" "000", kEnglish, std::nullopt},
    {"ArabicIndicDigits", "\u0665\u0662", kEnglish, std::nullopt},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Texts, TextToNumberTest, ::testing::ValuesIn(kCases), RowName{});

// "-0" reads as the double it names, zero with its sign; a figure written
// from it shows no sign.
TEST(TextToNumber, ReadsMinusZeroAsSignedZeroThatWritesAsZero) {
    const std::optional<double> got = TextToNumber("-0", kEnglish);
    ASSERT_TRUE(got);
    EXPECT_EQ(*got, 0.0);
    EXPECT_TRUE(std::signbit(*got));
    EXPECT_EQ(NumberToText(*got, kEnglish), "0");
}

TEST(TextToNumber, SameSeparatorForGroupAndDecimalReadsAsDecimal) {
    EXPECT_EQ(TextToNumber("1,5", NumberFormat{",", ","}), 1.5);
}

TEST(TextToNumber, ReadsAMegabyteOfDigitsToTheNearestDouble) {
    std::string text = "0." + std::string(1 << 20, '0') + "5e1048578";
    const std::optional<double> got = TextToNumber(text, kEnglish);
    ASSERT_TRUE(got);
    EXPECT_EQ(*got, 50.0);
    EXPECT_FALSE(TextToNumber(std::string(1 << 20, '9'), kEnglish));
}

}  // namespace
}  // namespace wagelyn
