#pragma once
// The worked examples: a figure typed into one period's box, with a tax, and
// the texts the other boxes then show (all eleven, or a few). The core, the
// Qt window and Wagelyn.exe are each held to the same rows, all in the
// design's English format; the core also to rows under other separators.

#include <array>
#include <map>
#include <ostream>
#include <string>
#include <utility>

#include "conversion/period.h"
#include "tests/support/formats.h"

namespace wagelyn::testing {

struct WorkedExample {
    const char* name;
    Period source;
    std::string figure;
    std::string tax;
    std::map<Period, std::string> texts;
    NumberFormat format = kEnglish;  // the separators the texts are typed and read with
};

// GoogleTest shows a row by its name.
inline void PrintTo(const WorkedExample& example, std::ostream* os) {
    *os << example.name;
}

using P = Period;

// A row that gives every box: the twelve texts in kPeriods order, the
// source's being the figure typed into it.
inline WorkedExample EveryBox(const char* name, Period source, std::string tax,
                              const std::array<const char*, kPeriodCount>& boxes) {
    WorkedExample example{name, source, boxes[IndexOf(source)], std::move(tax), {}};
    for (const PeriodInfo& info : kPeriods) {
        if (info.period != source) {
            example.texts.emplace(info.period, boxes[IndexOf(info.period)]);
        }
    }
    return example;
}

// clang-format off
inline const WorkedExample kWorkedExamples[] = {
    EveryBox("Annual52000", P::Annual, "0", {"52000", "4333.33", "2000", "1000", "25", "28.57",
             "200", "199.99", "0.4167", "0.4762", "0.0069", "0.0079"}),
    // Salaries whose figures run to 9 and 14 characters.
    EveryBox("Annual1250000", P::Annual, "0", {"1250000", "104166.67", "48076.92", "24038.46",
             "600.96", "686.81", "4807.68", "4807.67", "10.016", "11.4468", "0.1669", "0.1908"}),
    EveryBox("Annual5200000", P::Annual, "0", {"5200000", "433333.33", "200000", "100000", "2500",
             "2857.14", "20000", "19999.98", "41.6667", "47.619", "0.6944", "0.7936"}),
    EveryBox("Annual520000000000", P::Annual, "0", {"520000000000", "43333333333.33", "20000000000",
             "10000000000", "250000000", "285714285.71", "2000000000", "1999999999.97",
             "4166666.6667", "4761904.7618", "69444.4444", "79365.0794"}),
    {"Annual52000Tax20", P::Annual, "52000", "20",
     {{P::Monthly, "3466.67"}, {P::Hourly40, "20"}, {P::Hourly35, "22.86"}, {P::Daily40, "160"},
      {P::Daily35, "160.02"}}},
    {"AnnualGrouped", P::Annual, "52,000", "0", {{P::Monthly, "4333.33"}, {P::Weekly, "1000"}}},
    {"AnnualExponent", P::Annual, "5.2E4", "0", {{P::Monthly, "4333.33"}}},
    {"AnnualExactHalf", P::Annual, "1.5", "0", {{P::Monthly, "0.12"}}},
    {"AnnualHalfUp", P::Annual, "4.5", "0", {{P::Monthly, "0.38"}}},
    EveryBox("Weekly1000", P::Weekly, "0", {"52000", "4333.33", "2000", "1000", "25", "28.57",
             "200", "199.99", "0.42", "0.48", "0.007", "0.008"}),
    EveryBox("Hourly40Tax20", P::Hourly40, "20", {"41600", "3466.67", "1600", "800", "25", "22.86",
             "160", "160.02", "0.33", "0.38", "0.0055", "0.0063"}),
    {"Monthly4333", P::Monthly, "4333.33", "0",
     {{P::Annual, "51999.96"}, {P::Minute35, "0.48"}, {P::Second35, "0.008"}}},
    EveryBox("MonthlyTax100", P::Monthly, "100", {"0", "1000", "0", "0", "0", "0", "0", "0", "0",
             "0", "0", "0"}),
    {"AnnualTax150", P::Annual, "52000", "150",
     {{P::Monthly, "-2166.67"}, {P::Weekly, "-500"}, {P::Hourly40, "-12.5"}}},
    {"AnnualTaxMinus10", P::Annual, "52000", "-10",
     {{P::Monthly, "4766.67"}, {P::Weekly, "1100"}, {P::Hourly40, "27.5"}}},
    {"AnnualTax12Point5", P::Annual, "52000", "12.5", {{P::Weekly, "875"}}},
    {"BiWeekly2000", P::BiWeekly, "2000", "0",
     {{P::Annual, "52000"}, {P::Weekly, "1000"}, {P::Minute40, "0.42"}}},
    {"Hourly35", P::Hourly35, "28.57", "0",
     {{P::Hourly40, "25"}, {P::Daily35, "199.99"}, {P::Minute35, "0.48"}}},
    EveryBox("Daily40", P::Daily40, "0", {"26000", "2166.67", "1000", "500", "12.5", "14.29", "100",
             "100.03", "0.21", "0.24", "0.0035", "0.004"}),
    EveryBox("Daily40Tax20", P::Daily40, "20", {"20800", "1733.33", "800", "400", "10", "11.43",
             "100", "80.01", "0.17", "0.19", "0.0028", "0.0032"}),
    EveryBox("Daily35", P::Daily35, "0", {"26000", "2166.67", "1000", "500", "12.5", "14.29", "100",
             "100", "0.21", "0.24", "0.0035", "0.004"}),
    EveryBox("Minute40", P::Minute40, "0", {"31200", "2600", "1200", "600", "15", "17.14", "120",
             "119.98", "0.25", "0.2857", "0.0042", "0.0048"}),
    EveryBox("Minute35", P::Minute35, "0", {"11029.2", "919.1", "424.2", "212.1", "5.3025", "6.06",
             "42.42", "42.42", "0.0884", "0.101", "0.0015", "0.0017"}),
    EveryBox("Second40", P::Second40, "0", {"92401.92", "7700.16", "3553.92", "1776.96", "44.42",
             "50.77", "355.36", "355.39", "0.74", "0.8462", "0.01234", "0.0141"}),
    EveryBox("Second35", P::Second35, "0", {"32760", "2730", "1260", "630", "15.75", "18", "126",
             "126", "0.26", "0.3", "0.0044", "0.005"}),
};
// clang-format on

}  // namespace wagelyn::testing
