#include "conversion/recalculation.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "formats.h"
#include "tests/support/memory_window.h"
#include "tests/support/row_names.h"
#include "tests/support/worked_examples.h"

namespace wagelyn {
namespace {

using testing::kEnglish;
using testing::kFrench;
using testing::kGerman;
using P = Period;

constexpr Colour kDefault = MemoryWindow::kDefaultText;

using testing::WorkedExample;

class WorkedExampleTest : public ::testing::TestWithParam<WorkedExample> {};

TEST_P(WorkedExampleTest, WritesExactTexts) {
    const WorkedExample& e = GetParam();
    MemoryWindow window;
    window.SetTaxText(e.tax);
    window.SetBoxText(e.source, e.figure);
    double factor = 0.0;

    Recalculate(e.source, window, factor, kEnglish);

    EXPECT_EQ(window.ErrorsShown(), 0);
    EXPECT_EQ(window.BoxText(e.source), e.figure);
    for (const auto& [period, text] : e.texts) {
        EXPECT_EQ(window.BoxText(period), text) << InfoOf(period).name;
    }
    for (const PeriodInfo& info : kPeriods) {
        EXPECT_EQ(window.BoxColour(info.period), info.period == e.source ? kBlue : kRed)
            << info.name;
        EXPECT_FALSE(window.BoxText(info.period).empty()) << info.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, WorkedExampleTest, ::testing::ValuesIn(testing::kWorkedExamples),
                         testing::RowName());

TEST(Recalculate, Hourly40At25LeavesTheSameTextsAsWeekly1000) {
    MemoryWindow weekly;
    MemoryWindow hourly;
    weekly.SetTaxText("0");
    hourly.SetTaxText("0");
    weekly.SetBoxText(P::Weekly, "1000");
    hourly.SetBoxText(P::Hourly40, "25");
    double factor = 1.0;
    Recalculate(P::Weekly, weekly, factor, kEnglish);
    Recalculate(P::Hourly40, hourly, factor, kEnglish);
    for (const PeriodInfo& info : kPeriods) {
        EXPECT_EQ(hourly.BoxText(info.period), weekly.BoxText(info.period)) << info.name;
    }
}

class SameButtonTwiceTest : public ::testing::TestWithParam<PeriodInfo> {};

TEST_P(SameButtonTwiceTest, WritesTheSameTexts) {
    const Period source = GetParam().period;
    MemoryWindow window;
    window.SetTaxText("23");
    window.SetBoxText(source, "1234.5678");
    double factor = 1.0;
    Recalculate(source, window, factor, kEnglish);
    const MemoryWindow first = window;
    Recalculate(source, window, factor, kEnglish);
    for (const PeriodInfo& info : kPeriods) {
        EXPECT_EQ(window.BoxText(info.period), first.BoxText(info.period)) << info.name;
    }
    EXPECT_EQ(window.ErrorsShown(), 0);
}

INSTANTIATE_TEST_SUITE_P(Periods, SameButtonTwiceTest, ::testing::ValuesIn(kPeriods),
                         testing::RowName{});

// What a failed run leaves behind, by where it stopped.
struct Failure {
    const char* name;
    Period source;
    std::string sourceText;
    std::string tax;
    bool factorChanged;
    bool sourceTurnsBlue;
};

void PrintTo(const Failure& f, std::ostream* os) {
    *os << f.name;
}

class FailureTest : public ::testing::TestWithParam<Failure> {};

TEST_P(FailureTest, StopsAndShowsTheErrorDialog) {
    const Failure& f = GetParam();
    MemoryWindow window;
    // A completed earlier run, so that "nothing changed" is visible.
    window.SetTaxText("0");
    window.SetBoxText(P::Annual, "52000");
    double factor = 0.0;
    Recalculate(P::Annual, window, factor, kEnglish);
    ASSERT_EQ(window.ErrorsShown(), 0);
    const MemoryWindow before = window;
    const double factorBefore = factor;

    window.SetTaxText(f.tax);
    window.SetBoxText(f.source, f.sourceText);
    Recalculate(f.source, window, factor, kEnglish);

    EXPECT_EQ(window.ErrorsShown(), 1);
    EXPECT_EQ(factor != factorBefore, f.factorChanged);
    for (const PeriodInfo& info : kPeriods) {
        const std::string expectedText =
            info.period == f.source ? f.sourceText : before.BoxText(info.period);
        EXPECT_EQ(window.BoxText(info.period), expectedText) << info.name;
        const Colour expectedColour =
            info.period == f.source && f.sourceTurnsBlue ? kBlue : before.BoxColour(info.period);
        EXPECT_EQ(window.BoxColour(info.period), expectedColour) << info.name;
    }
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

INSTANTIATE_TEST_SUITE_P(Failures, FailureTest, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

// Only an overflow can stop a run after it wrote something: a chain that
// reads a box just written whose text a tampering window replaced.
class OverflowAfterWriting final : public WindowOperations {
public:
    MemoryWindow inner;
    std::string BoxText(Period p) const override { return inner.BoxText(p); }
    void SetBoxText(Period p, std::string_view text) override {
        // Rule 6 of Annual reads Hourly40: make it read a figure too large for * 8.
        inner.SetBoxText(p, p == P::Hourly40 ? "1.7E308" : text);
    }
    void SetBoxColour(Period p, Colour c) override { inner.SetBoxColour(p, c); }
    std::string TaxText() const override { return inner.TaxText(); }
    void SetTaxText(std::string_view text) override { inner.SetTaxText(text); }
    void ShowError() override { inner.ShowError(); }
};

TEST(Recalculate, OverflowAtALaterRuleKeepsEarlierTextsAndColours) {
    OverflowAfterWriting window;
    window.inner.SetTaxText("0");
    window.inner.SetBoxText(P::Annual, "52000");
    double factor = 0.0;
    Recalculate(P::Annual, window, factor, kEnglish);
    EXPECT_EQ(window.inner.ErrorsShown(), 1);
    EXPECT_EQ(window.inner.BoxText(P::Monthly), "4333.33");
    EXPECT_EQ(window.inner.BoxText(P::Hourly35), "28.57");
    EXPECT_EQ(window.inner.BoxText(P::Daily40), "");
    EXPECT_EQ(window.inner.BoxColour(P::Annual), kBlue);
    EXPECT_EQ(window.inner.BoxColour(P::Monthly), kDefault);  // never turned red
}

struct LocaleCase {
    const char* name;
    NumberFormat format;
    std::string source;
    std::string tax;
    std::map<Period, std::string> expected;
};

void PrintTo(const LocaleCase& c, std::ostream* os) {
    *os << c.name;
}

class LocaleTest : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleTest, ReadsAndWritesRegionalSeparators) {
    const LocaleCase& c = GetParam();
    MemoryWindow window;
    window.SetTaxText(c.tax);
    window.SetBoxText(P::Annual, c.source);
    double factor = 0.0;
    Recalculate(P::Annual, window, factor, c.format);
    ASSERT_EQ(window.ErrorsShown(), 0);
    for (const auto& [period, text] : c.expected) {
        EXPECT_EQ(window.BoxText(period), text) << InfoOf(period).name;
    }
}

// clang-format off
const LocaleCase kLocales[] = {
    {"GermanGrouped", kGerman, "52.000", "0",
     {{P::Monthly, "4333,33"}, {P::BiWeekly, "2000"}, {P::Hourly35, "28,57"},
      {P::Daily35, "199,99"}, {P::Minute40, "0,4167"}, {P::Second35, "0,0079"}}},
    {"GermanDecimalTax", kGerman, "52000", "12,5", {{P::Weekly, "875"}, {P::Hourly40, "21,88"}}},
    {"FrenchNarrowSpace", kFrench, "52\u202F000", "20",
     {{P::Monthly, "3466,67"}, {P::Daily35, "160,02"}}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Locales, LocaleTest, ::testing::ValuesIn(kLocales),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LoadDefaults, SetsTaxToZeroAndFactorToOne) {
    MemoryWindow window;
    window.SetTaxText("20");
    double factor = 0.5;
    LoadDefaults(window, factor, kEnglish);
    EXPECT_EQ(window.TaxText(), "0");
    EXPECT_EQ(factor, 1.0);
    EXPECT_EQ(window.BoxText(P::Annual), "");
    EXPECT_EQ(window.BoxColour(P::Annual), kBlue);
}

TEST(ResetBoxes, EmptiesEveryBoxAndKeepsColoursTaxAndFactor) {
    MemoryWindow window;
    window.SetTaxText("20");
    window.SetBoxText(P::Annual, "52000");
    double factor = 0.0;
    Recalculate(P::Annual, window, factor, kEnglish);
    ResetBoxes(window);
    for (const PeriodInfo& info : kPeriods) {
        EXPECT_EQ(window.BoxText(info.period), "") << info.name;
        EXPECT_EQ(window.BoxColour(info.period), info.period == P::Annual ? kBlue : kRed);
    }
    EXPECT_EQ(window.TaxText(), "20");
    EXPECT_EQ(factor, 0.8);
    EXPECT_EQ(window.ErrorsShown(), 0);
}

}  // namespace
}  // namespace wagelyn
