#include "conversion/recalculation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/support/formats.h"
#include "tests/support/memory_window.h"
#include "tests/support/row_names.h"
#include "tests/support/worked_examples.h"

namespace wagelyn {

// GoogleTest shows a period by its name.
static void PrintTo(const PeriodInfo& info, std::ostream* os) {
    *os << info.name;
}

namespace {

using namespace testing;

// The window after `figure` and `tax` are typed in and `source`'s button is
// pressed.
MemoryWindow After(Period source, std::string_view figure, std::string_view tax,
                   const NumberFormat& format = kEnglish) {
    MemoryWindow window;
    window.Convert(source, figure, tax, format);
    return window;
}

class WorkedExampleTest : public ::testing::TestWithParam<WorkedExample> {};

// The texts the example names, blue and red, no box empty.
TEST_P(WorkedExampleTest, WritesExactTexts) {
    const WorkedExample& e = GetParam();
    const MemoryWindow window = After(e.source, e.figure, e.tax, e.format);
    EXPECT_EQ(window.ErrorsShown(), 0);
    EXPECT_EQ(window.BoxText(e.source), e.figure);
    for (const auto& [period, text] : e.texts) {
        EXPECT_EQ(window.BoxText(period), text) << InfoOf(period).name;
    }
    EXPECT_EQ(window.AllColours(), MemoryWindow::ColoursAfterRunFrom(e.source));
    EXPECT_EQ(std::ranges::count(window.AllTexts(), ""), 0);
}

INSTANTIATE_TEST_SUITE_P(Examples, WorkedExampleTest, ::testing::ValuesIn(kWorkedExamples),
                         RowName());

// clang-format off
const WorkedExample kLocales[] = {
    {"GermanGrouped", P::Annual, "52.000", "0",
     {{P::Monthly, "4333,33"}, {P::BiWeekly, "2000"}, {P::Hourly35, "28,57"},
      {P::Daily35, "199,99"}, {P::Minute40, "0,4167"}, {P::Second35, "0,0079"}}, kGerman},
    {"GermanDecimalTax", P::Annual, "52000", "12,5",
     {{P::Weekly, "875"}, {P::Hourly40, "21,88"}}, kGerman},
    {"FrenchNarrowSpace", P::Annual, "52\u202F000", "20",
     {{P::Monthly, "3466,67"}, {P::Daily35, "160,02"}}, kFrench},
};
// clang-format on

// Worked examples under other regional separators.
INSTANTIATE_TEST_SUITE_P(Locales, WorkedExampleTest, ::testing::ValuesIn(kLocales), RowName());

TEST(Recalculate, Hourly40At25LeavesTheSameTextsAsWeekly1000) {
    EXPECT_EQ(After(P::Hourly40, "25", "0").AllTexts(), After(P::Weekly, "1000", "0").AllTexts());
}

class SameButtonTwiceTest : public ::testing::TestWithParam<PeriodInfo> {};

TEST_P(SameButtonTwiceTest, WritesTheSameTexts) {
    const Period source = GetParam().period;
    MemoryWindow window = After(source, "1234.5678", "23");
    const MemoryWindow first = window;
    Recalculate(source, window, window.factor, kEnglish);
    EXPECT_EQ(window.AllTexts(), first.AllTexts());
    EXPECT_EQ(window.ErrorsShown(), 0);
}

INSTANTIATE_TEST_SUITE_P(Periods, SameButtonTwiceTest, ::testing::ValuesIn(kPeriods), RowName{});

// What a failed run leaves behind, by where it stopped.
struct Failure : NamedRow {
    Period source;
    std::string sourceText, tax;
    bool factorChanged, sourceTurnsBlue;
};

class FailureTest : public ::testing::TestWithParam<Failure> {};

TEST_P(FailureTest, StopsAndShowsTheErrorDialog) {
    const Failure& f = GetParam();
    // A completed earlier run, so that "nothing changed" is visible.
    MemoryWindow window = After(P::Annual, "52000", "0");
    ASSERT_EQ(window.ErrorsShown(), 0);
    MemoryWindow expected = window;

    window.Convert(f.source, f.sourceText, f.tax, kEnglish);

    EXPECT_EQ(window.ErrorsShown(), 1);
    EXPECT_EQ(window.factor != expected.factor, f.factorChanged);
    expected.SetBoxText(f.source, f.sourceText);
    if (f.sourceTurnsBlue) {
        expected.SetBoxColour(f.source, kBlue);
    }
    EXPECT_EQ(window.AllTexts(), expected.AllTexts());
    EXPECT_EQ(window.AllColours(), expected.AllColours());
}

// clang-format off
const Failure kFailures[] = {
    {"EmptyTaxAnnual", P::Annual, "52000", "", false, false},
    {"EmptyTaxMonthly", P::Monthly, "4000", "", false, false},
    {"EmptyTaxSecond40TurnsBlueFirst", P::Second40, "0.01", "", false, true},
    {"LettersTaxDaily40", P::Daily40, "100", "abc", false, false},
    {"NanTax", P::Weekly, "1000", "nan", false, false},
    {"EmptySource", P::Monthly, "", "20", true, true},
    {"BlankSource", P::Weekly, "   ", "20", true, true},
    {"LettersSource", P::Daily35, "abc", "20", true, true},
    {"LoneMinusSource", P::Minute35, "-", "20", true, true},
    {"NanSource", P::Hourly35, "nan", "20", true, true},
    {"InfSource", P::Second35, "inf", "20", true, true},
    {"OutOfRangeSource", P::BiWeekly, "1e400", "20", true, true},
    {"Hourly40ChainOverflow", P::Hourly40, "1E308", "20", true, true},
    {"Second40ChainOverflow", P::Second40, "1E303", "20", true, true},
    {"FactorOverflow", P::Annual, "52000", "-1E308", true, true},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Failures, FailureTest, ::testing::ValuesIn(kFailures), RowName{});

// Only an overflow can stop a run after it wrote something: a chain that
// reads a box just written whose text a tampering window replaced.
class OverflowAfterWriting final : public MemoryWindow {
public:
    void SetBoxText(Period p, std::string_view text) override {
        // Rule 6 of Annual reads Hourly40: make it read a figure too large for * 8.
        MemoryWindow::SetBoxText(p, p == P::Hourly40 ? "1.7E308" : text);
    }
};

TEST(Recalculate, OverflowAtALaterRuleKeepsEarlierTextsAndColours) {
    OverflowAfterWriting window;
    window.Convert(P::Annual, "52000", "0", kEnglish);
    EXPECT_EQ(window.ErrorsShown(), 1);
    EXPECT_EQ(window.BoxText(P::Monthly), "4333.33");
    EXPECT_EQ(window.BoxText(P::Hourly35), "28.57");
    EXPECT_EQ(window.BoxText(P::Daily40), "");
    EXPECT_EQ(window.BoxColour(P::Annual), kBlue);
    EXPECT_EQ(window.BoxColour(P::Monthly), MemoryWindow::kDefaultText);  // never turned red
}

TEST(LoadDefaults, SetsTaxToZeroAndFactorToOne) {
    MemoryWindow window;
    window.SetTaxText("20");
    window.factor = 0.5;
    LoadDefaults(window, window.factor, kEnglish);
    EXPECT_EQ(window.TaxText(), "0");
    EXPECT_EQ(window.factor, 1.0);
    EXPECT_EQ(window.BoxText(P::Annual), "");
    EXPECT_EQ(window.BoxColour(P::Annual), kBlue);
}

TEST(ResetBoxes, EmptiesEveryBoxAndKeepsColoursTaxAndFactor) {
    MemoryWindow window = After(P::Annual, "52000", "20");
    ResetBoxes(window);
    EXPECT_EQ(std::ranges::count(window.AllTexts(), ""), kPeriodCount);
    EXPECT_EQ(window.AllColours(), MemoryWindow::ColoursAfterRunFrom(P::Annual));
    EXPECT_EQ(window.TaxText(), "20");
    EXPECT_EQ(window.factor, 0.8);
    EXPECT_EQ(window.ErrorsShown(), 0);
}

}  // namespace
}  // namespace wagelyn
