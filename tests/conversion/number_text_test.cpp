#include "conversion/number_to_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "conversion/keep_decimals.h"
#include "conversion/text_to_number.h"
#include "formats.h"
#include "tests/support/row_names.h"

namespace wagelyn {
namespace {

using namespace testing;

struct Case : NamedRow {
    double value;
    NumberFormat format;
    std::string expected;
};

class NumberToTextTest : public ::testing::TestWithParam<Case> {};

TEST_P(NumberToTextTest, Writes) {
    const Case& c = GetParam();
    EXPECT_EQ(NumberToText(c.value, c.format), c.expected);
}

// clang-format off
const Case kCases[] = {
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

INSTANTIATE_TEST_SUITE_P(Values, NumberToTextTest, ::testing::ValuesIn(kCases), RowName{});

// Every value that keeping places yields below 10^11 has at most 15
// significant digits, and so must read back to exactly the same double.
void ExpectRoundTrip(int digits, const NumberFormat& format) {
    std::mt19937_64 random(20261207 + digits);
    std::uniform_real_distribution<double> exponent(-6.0, 11.0);
    std::uniform_int_distribution<int> sign(0, 1);
    for (int i = 0; i < 200000; ++i) {
        double value = std::pow(10.0, exponent(random));
        if (sign(random) == 1) {
            value = -value;
        }
        const double kept = KeepDecimals(value, digits);
        const std::string text = NumberToText(kept, format);
        const auto back = TextToNumber(text, format);
        ASSERT_TRUE(back) << text;
        ASSERT_EQ(*back, kept) << value << " kept as " << text;
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
