// Figures written as text and texts read as figures.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <string>

#include "conversion/keep_decimals.h"
#include "conversion/number_to_text.h"
#include "conversion/text_to_number.h"
#include "tests/support/formats.h"
#include "tests/support/row_names.h"

namespace wagelyn {
namespace {

using namespace testing;

struct ReadCase : NamedRow {
    std::string text;
    NumberFormat format;
    std::optional<double> expected;
};

class TextToNumberTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(TextToNumberTest, ReadsOrFails) {
    const ReadCase& c = GetParam();
    EXPECT_EQ(TextToNumber(c.text, c.format), c.expected) << '"' << c.text << '"';
}

// clang-format off
const ReadCase kReads[] = {
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
    {"SameSeparatorForGroupAndDecimalReadsAsDecimal", "1,5", NumberFormat{",", ","}, 1.5},
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

INSTANTIATE_TEST_SUITE_P(Texts, TextToNumberTest, ::testing::ValuesIn(kReads), RowName{});

// "-0" reads as the double it names, zero with its sign; a figure written
// from it shows no sign.
TEST(TextToNumber, ReadsMinusZeroAsSignedZeroThatWritesAsZero) {
    const std::optional<double> got = TextToNumber("-0", kEnglish);
    ASSERT_TRUE(got);
    EXPECT_EQ(*got, 0.0);
    EXPECT_TRUE(std::signbit(*got));
    EXPECT_EQ(NumberToText(*got, kEnglish), "0");
}

TEST(TextToNumber, ReadsAMegabyteOfDigitsToTheNearestDouble) {
    std::string text = "0." + std::string(1 << 20, '0') + "5e1048578";
    EXPECT_EQ(TextToNumber(text, kEnglish), 50.0);
    EXPECT_FALSE(TextToNumber(std::string(1 << 20, '9'), kEnglish));
}

struct WriteCase : NamedRow {
    double value;
    NumberFormat format;
    std::string expected;
};

class NumberToTextTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(NumberToTextTest, Writes) {
    const WriteCase& c = GetParam();
    EXPECT_EQ(NumberToText(c.value, c.format), c.expected);
}

// clang-format off
const WriteCase kWrites[] = {
    {"Whole", 2000.0, kEnglish, "2000"},
    {"NoGroupSeparator", 4333.33, kEnglish, "4333.33"},
    {"LeadingZero", 0.4167, kEnglish, "0.4167"},
    {"SmallPlain", 0.0001, kEnglish, "0.0001"},
    {"Negative", -12.5, kEnglish, "-12.5"},
    {"NegativeBelowOne", -0.0069, kEnglish, "-0.0069"},
    {"Zero", 0.0, kEnglish, "0"},
    {"NegativeZero", -0.0, kEnglish, "0"},
    {"NoTrailingZeros", 0.1, kEnglish, "0.1"},
    {"FifteenDigits", 123456789012.345, kEnglish, "123456789012.345"},
    {"RoundedToFifteen", 0.1 + 0.2, kEnglish, "0.3"},
    {"SixteenDigitsCut", 1234567890123456.0 / 10, kEnglish, "123456789012346"},
    {"LargestPlain", 999999999999999.0, kEnglish, "999999999999999"},
    {"FifteenNinesRoundUp", 9999999999999999.0 / 10, kEnglish, "1E+15"},
    {"ExponentForm", 1.5e15, kEnglish, "1.5E+15"},
    {"ExponentFormGerman", 1.5e15, kGerman, "1,5E+15"},
    // Rounded to 15 digits the largest doubles would pass the range: cut.
    {"LargestDouble", 1.7976931348623157e308, kEnglish, "1.79769313486231E+308"},
    {"NegativeNearLargest", -1.7976931348623155e308, kEnglish, "-1.79769313486231E+308"},
    {"RoundsUpWithinRange", 1.7976931348623e308, kEnglish, "1.7976931348623E+308"},
    {"TinyExponent", 0.00001, kEnglish, "1E-05"},
    {"German", 4333.33, kGerman, "4333,33"},
    {"GermanWholeHasNoSeparators", 52000.0, kGerman, "52000"},
    {"French", 0.4762, kFrench, "0,4762"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Values, NumberToTextTest, ::testing::ValuesIn(kWrites), RowName{});

// Every value that keeping places yields below 10^11 has at most 15
// significant digits, and so must read back to exactly the same double.
void ExpectRoundTrip(int digits, const NumberFormat& format) {
    std::mt19937_64 random(20261207 + digits);
    std::uniform_real_distribution<double> exponent(-6.0, 11.0);
    std::uniform_int_distribution<int> sign(0, 1);
    for (int i = 0; i < 200000; ++i) {
        const double magnitude = std::pow(10.0, exponent(random));
        const double value = sign(random) == 1 ? -magnitude : magnitude;
        const double kept = KeepDecimals(value, digits);
        const std::string text = NumberToText(kept, format);
        ASSERT_EQ(TextToNumber(text, format), kept) << value << " kept as " << text;
        ASSERT_NE(text, "-0");
    }
}

TEST(NumberToText, KeptTwoPlacesReadBackExactly) {
    ExpectRoundTrip(2, kEnglish);
}
TEST(NumberToText, KeptFourPlacesReadBackExactly) {
    ExpectRoundTrip(4, kEnglish);
}
TEST(NumberToText, KeptPlacesReadBackExactlyUnderGermanSettings) {
    ExpectRoundTrip(2, kGerman);
}

TEST(NumberToText, LargestDoublesReadBack) {
    for (double value = std::numeric_limits<double>::max(), i = 0; i < 1000;
         ++i, value = std::nextafter(value, 0.0)) {
        ASSERT_TRUE(TextToNumber(NumberToText(value, kEnglish), kEnglish)) << value;
    }
}

TEST(NumberToText, EveryCentBelowTenThousandReadsBack) {
    for (std::int64_t cents = 0; cents < 1'000'000; ++cents) {
        const double kept = KeepDecimals(static_cast<double>(cents) / 100, 2);
        const std::string text = NumberToText(kept, kEnglish);
        ASSERT_EQ(TextToNumber(text, kEnglish), kept) << text;
    }
}

}  // namespace
}  // namespace wagelyn
