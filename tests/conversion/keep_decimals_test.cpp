#include "conversion/keep_decimals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/support/row_names.h"

namespace wagelyn {
namespace {

using testing::NamedRow;

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

TEST(KeepDecimals, NegativeResultRoundingToZeroIsZero) {
    EXPECT_EQ(KeepDecimals(-0.001, 2), 0.0);
}

}  // namespace
}  // namespace wagelyn
