#include "conversion/kept_figure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <stdexcept>

#include "conversion/keep_decimals.h"
#include "conversion/number_to_text.h"
#include "tests/support/formats.h"
#include "tests/support/row_names.h"

namespace wagelyn {
namespace {

using namespace testing;

struct Case : NamedRow {
    double value;
    int digits;
    double expected;
};

class KeepDecimalsTest : public ::testing::TestWithParam<Case> {};

TEST_P(KeepDecimalsTest, KeepsPlaces) {
    const Case& c = GetParam();
    EXPECT_EQ(KeepDecimals(c.value, c.digits), c.expected) << c.value;
    // Negative values are the mirror image.
    EXPECT_EQ(KeepDecimals(-c.value, c.digits), -c.expected) << -c.value;
}

// clang-format off
const Case kCases[] = {
    // Exact halves go to the even neighbour.
    {"HalfDownToEven2", 0.125, 2, 0.12},
    {"HalfUpToEven2", 0.375, 2, 0.38},
    {"HalfDownToEven4", 0.03125, 4, 0.0312},
    {"HalfUpToEven4", 0.09375, 4, 0.0938},
    {"AnnualOnePointFive", 1.5 / 12, 2, 0.12},
    {"AnnualFourPointFive", 4.5 / 12, 2, 0.38},
    {"HalfAtUnits", 0.005, 2, 0.0},
    {"HalfOfOneCent", 0.015, 2, 0.02},
    // Near-halves are read by their shortest decimal form.
    {"NearHalf2675", 2.675, 2, 2.68},
    {"NearHalf1005", 1.005, 2, 1.0},
    {"NearHalf0285", 0.285, 2, 0.28},
    {"NearHalfChain", 6.06 / 60 * 35 / 40, 4, 0.0884},
    // Ordinary rounding.
    {"Monthly", 52000.0 / 12, 2, 4333.33},
    {"Hourly35", 52000.0 / 52 / 35, 2, 28.57},
    {"Minute", 25.0 / 60, 4, 0.4167},
    {"JustAboveHalf", 0.12500001, 2, 0.13},
    {"CarryThroughNines", 9.995, 2, 10.0},
    {"CarryIntoNewDigit", 99.9999, 2, 100.0},
    {"TinyToZero", 1e-300, 4, 0.0},
    {"NegativeResultRoundingToZeroIsZero", 0.001, 2, 0.0},
    {"BelowHalfOfPlace", 0.00004, 4, 0.0},
    {"AboveHalfOfPlace", 0.00006, 4, 0.0001},
    {"AlreadyKept", 199.99, 2, 199.99},
    {"Whole", 2000.0, 2, 2000.0},
    {"Zero", 0.0, 2, 0.0},
    // Too large for a fraction: unchanged.
    {"Huge", 1.5e300, 2, 1.5e300},
    {"MaxDouble", 1.7976931348623157e308, 4, 1.7976931348623157e308},
    {"BeyondFifteenDigits", 123456789012345.67, 2, 123456789012345.67},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Values, KeepDecimalsTest, ::testing::ValuesIn(kCases), testing::RowName{});

// The shortcut must write exactly what the general road writes.
void ExpectSameAsGeneralRoad(double value, int digits, const NumberFormat& format) {
    ASSERT_EQ(KeptFigureText(value, digits, format),
              NumberToText(KeepDecimals(value, digits), format))
        << value << " at " << digits;
}

TEST(KeptFigureText, MatchesTheGeneralRoadOnChosenValuesAtEveryPlaceCount) {
    const double values[] = {0.0, -0.0, 0.125, 0.375, 2.675, 1.005, 0.004, 0.005, 0.00005, 0.00004,
                             0.00002, -0.000015, 1e-15, 0.1234567890123456, 200.0, 2000.5, 9.995,
                             99.9999, 1e13, 1e15, 1e20, -4333.333, 1.7e308,
                             // Figures as the tables produce them.
                             28.57 * 7, 0.4167 / 60, 6.06 / 60 * 35 / 40, 52000.0 / 12};
    for (double v : values) {
        for (int digits = 0; digits <= kMaxDecimalPlaces; ++digits) {
            ExpectSameAsGeneralRoad(v, digits, kEnglish);
            ExpectSameAsGeneralRoad(-v, digits, kGerman);
        }
    }
}

TEST(KeptFigureText, MatchesTheGeneralRoadOnRandomValues) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> exponent(-6.0, 16.0);
    for (int i = 0; i < 300000; ++i) {
        const double v = std::pow(10.0, exponent(random)) * (i % 2 == 0 ? 1 : -1);
        ExpectSameAsGeneralRoad(v, 2 + 2 * (i % 3 == 0), kEnglish);
    }
}

TEST(KeptFigureText, MatchesTheGeneralRoadOnHalvesAndNearHalves) {
    // Every n + 0.5 units of the last place, and its two neighbouring doubles.
    for (int n = 0; n < 200000; ++n) {
        for (int digits : {2, 4}) {
            const double half = (n + 0.5) / std::pow(10.0, digits);
            ExpectSameAsGeneralRoad(half, digits, kEnglish);
            ExpectSameAsGeneralRoad(std::nextafter(half, 0.0), digits, kEnglish);
            ExpectSameAsGeneralRoad(std::nextafter(half, 1.0), digits, kEnglish);
        }
    }
}

// Places outside 0..15 are refused at every entry point, not written past a
// buffer; the largest and smallest accepted counts still work.
struct PlacesCase : NamedRow {
    double value;
    int digits;
    bool accepted;
};

class DecimalPlacesTest : public ::testing::TestWithParam<PlacesCase> {};

TEST_P(DecimalPlacesTest, AreCheckedAtEveryEntryPoint) {
    const PlacesCase& c = GetParam();
    if (c.accepted) {
        EXPECT_NO_THROW((void)KeptFigureText(c.value, c.digits, kEnglish));
        EXPECT_NO_THROW((void)KeepDecimals(c.value, c.digits));
    } else {
        EXPECT_THROW((void)KeptFigureText(c.value, c.digits, kEnglish), std::out_of_range);
        EXPECT_THROW((void)KeepDecimals(c.value, c.digits), std::out_of_range);
    }
}

INSTANTIATE_TEST_SUITE_P(Places, DecimalPlacesTest,
                         ::testing::Values(PlacesCase{"Thirty", 1e-20, 30, false},
                                           PlacesCase{"MinusOne", 12.0, -1, false},
                                           PlacesCase{"Sixteen", 1.5, 16, false},
                                           PlacesCase{"Fifteen", 1e-20, kMaxDecimalPlaces, true},
                                           PlacesCase{"None", 12.345, 0, true}),
                         RowName{});

TEST(NumberToText, RefusesInfinity) {
    EXPECT_THROW((void)NumberToText(std::numeric_limits<double>::infinity(), kEnglish),
                 std::domain_error);
}

}  // namespace
}  // namespace wagelyn
