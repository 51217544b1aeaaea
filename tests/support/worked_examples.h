#pragma once
// The worked examples: a figure typed into one period's box, with a tax, and
// the texts the other boxes then show in the design's English format (all
// eleven, or a few). The core, the Qt window and Wagelyn.exe are each held
// to the same rows.

#include <map>
#include <ostream>
#include <string>

#include "conversion/period.h"

namespace wagelyn::testing {

struct WorkedExample {
    const char* name;
    Period source;
    std::string figure;
    std::string tax;
    std::map<Period, std::string> texts;
};

// GoogleTest shows a row by its name.
inline void PrintTo(const WorkedExample& example, std::ostream* os) {
    *os << example.name;
}

using P = Period;

// clang-format off
inline const WorkedExample kWorkedExamples[] = {
    {"Annual52000", P::Annual, "52000", "0",
     {{P::Monthly, "4333.33"}, {P::BiWeekly, "2000"}, {P::Weekly, "1000"}, {P::Hourly40, "25"},
      {P::Hourly35, "28.57"}, {P::Daily40, "200"}, {P::Daily35, "199.99"},
      {P::Minute40, "0.4167"}, {P::Minute35, "0.4762"}, {P::Second40, "0.0069"},
      {P::Second35, "0.0079"}}},
    // Salaries whose figures run to 9 and 14 characters.
    {"Annual1250000", P::Annual, "1250000", "0",
     {{P::Monthly, "104166.67"}, {P::BiWeekly, "48076.92"}, {P::Weekly, "24038.46"},
      {P::Hourly40, "600.96"}, {P::Hourly35, "686.81"}, {P::Daily40, "4807.68"},
      {P::Daily35, "4807.67"}, {P::Minute40, "10.016"}, {P::Minute35, "11.4468"},
      {P::Second40, "0.1669"}, {P::Second35, "0.1908"}}},
    {"Annual5200000", P::Annual, "5200000", "0",
     {{P::Monthly, "433333.33"}, {P::BiWeekly, "200000"}, {P::Weekly, "100000"},
      {P::Hourly40, "2500"}, {P::Hourly35, "2857.14"}, {P::Daily40, "20000"},
      {P::Daily35, "19999.98"}, {P::Minute40, "41.6667"}, {P::Minute35, "47.619"},
      {P::Second40, "0.6944"}, {P::Second35, "0.7936"}}},
    {"Annual520000000000", P::Annual, "520000000000", "0",
     {{P::Monthly, "43333333333.33"}, {P::BiWeekly, "20000000000"},
      {P::Weekly, "10000000000"}, {P::Hourly40, "250000000"}, {P::Hourly35, "285714285.71"},
      {P::Daily40, "2000000000"}, {P::Daily35, "1999999999.97"},
      {P::Minute40, "4166666.6667"}, {P::Minute35, "4761904.7618"},
      {P::Second40, "69444.4444"}, {P::Second35, "79365.0794"}}},
    {"Annual52000Tax20", P::Annual, "52000", "20",
     {{P::Monthly, "3466.67"}, {P::Hourly40, "20"}, {P::Hourly35, "22.86"}, {P::Daily40, "160"},
      {P::Daily35, "160.02"}}},
    {"AnnualGrouped", P::Annual, "52,000", "0", {{P::Monthly, "4333.33"}, {P::Weekly, "1000"}}},
    {"AnnualExponent", P::Annual, "5.2E4", "0", {{P::Monthly, "4333.33"}}},
    {"AnnualExactHalf", P::Annual, "1.5", "0", {{P::Monthly, "0.12"}}},
    {"AnnualHalfUp", P::Annual, "4.5", "0", {{P::Monthly, "0.38"}}},
    {"Weekly1000", P::Weekly, "1000", "0",
     {{P::Annual, "52000"}, {P::Monthly, "4333.33"}, {P::BiWeekly, "2000"}, {P::Hourly40, "25"},
      {P::Hourly35, "28.57"}, {P::Daily40, "200"}, {P::Daily35, "199.99"}, {P::Minute40, "0.42"},
      {P::Minute35, "0.48"}, {P::Second40, "0.007"}, {P::Second35, "0.008"}}},
    {"Hourly40Tax20", P::Hourly40, "25", "20",
     {{P::Annual, "41600"}, {P::Monthly, "3466.67"}, {P::BiWeekly, "1600"}, {P::Weekly, "800"},
      {P::Hourly35, "22.86"}, {P::Daily40, "160"}, {P::Daily35, "160.02"}, {P::Minute40, "0.33"},
      {P::Minute35, "0.38"}, {P::Second40, "0.0055"}, {P::Second35, "0.0063"}}},
    {"Monthly4333", P::Monthly, "4333.33", "0",
     {{P::Annual, "51999.96"}, {P::Minute35, "0.48"}, {P::Second35, "0.008"}}},
    {"MonthlyTax100", P::Monthly, "1000", "100",
     {{P::Annual, "0"}, {P::BiWeekly, "0"}, {P::Weekly, "0"}, {P::Hourly40, "0"},
      {P::Hourly35, "0"}, {P::Daily40, "0"}, {P::Daily35, "0"}, {P::Minute40, "0"},
      {P::Minute35, "0"}, {P::Second40, "0"}, {P::Second35, "0"}}},
    {"AnnualTax150", P::Annual, "52000", "150",
     {{P::Monthly, "-2166.67"}, {P::Weekly, "-500"}, {P::Hourly40, "-12.5"}}},
    {"AnnualTaxMinus10", P::Annual, "52000", "-10",
     {{P::Monthly, "4766.67"}, {P::Weekly, "1100"}, {P::Hourly40, "27.5"}}},
    {"AnnualTax12Point5", P::Annual, "52000", "12.5", {{P::Weekly, "875"}}},
    {"BiWeekly2000", P::BiWeekly, "2000", "0",
     {{P::Annual, "52000"}, {P::Weekly, "1000"}, {P::Minute40, "0.42"}}},
    {"Hourly35", P::Hourly35, "28.57", "0",
     {{P::Hourly40, "25"}, {P::Daily35, "199.99"}, {P::Minute35, "0.48"}}},
    {"Daily40", P::Daily40, "100", "0",
     {{P::Annual, "26000"}, {P::Monthly, "2166.67"}, {P::BiWeekly, "1000"}, {P::Weekly, "500"},
      {P::Hourly40, "12.5"}, {P::Hourly35, "14.29"}, {P::Daily35, "100.03"},
      {P::Minute40, "0.21"}, {P::Minute35, "0.24"}, {P::Second40, "0.0035"},
      {P::Second35, "0.004"}}},
    {"Daily40Tax20", P::Daily40, "100", "20",
     {{P::Annual, "20800"}, {P::Monthly, "1733.33"}, {P::BiWeekly, "800"}, {P::Weekly, "400"},
      {P::Hourly40, "10"}, {P::Hourly35, "11.43"}, {P::Daily35, "80.01"}, {P::Minute40, "0.17"},
      {P::Minute35, "0.19"}, {P::Second40, "0.0028"}, {P::Second35, "0.0032"}}},
    {"Daily35", P::Daily35, "100", "0",
     {{P::Annual, "26000"}, {P::Monthly, "2166.67"}, {P::BiWeekly, "1000"}, {P::Weekly, "500"},
      {P::Hourly40, "12.5"}, {P::Hourly35, "14.29"}, {P::Daily40, "100"}, {P::Minute40, "0.21"},
      {P::Minute35, "0.24"}, {P::Second40, "0.0035"}, {P::Second35, "0.004"}}},
    {"Minute40", P::Minute40, "0.25", "0",
     {{P::Annual, "31200"}, {P::Monthly, "2600"}, {P::BiWeekly, "1200"}, {P::Weekly, "600"},
      {P::Hourly40, "15"}, {P::Hourly35, "17.14"}, {P::Daily40, "120"}, {P::Daily35, "119.98"},
      {P::Minute35, "0.2857"}, {P::Second40, "0.0042"}, {P::Second35, "0.0048"}}},
    {"Minute35", P::Minute35, "0.101", "0",
     {{P::Annual, "11029.2"}, {P::Monthly, "919.1"}, {P::BiWeekly, "424.2"}, {P::Weekly, "212.1"},
      {P::Hourly40, "5.3025"}, {P::Hourly35, "6.06"}, {P::Daily40, "42.42"},
      {P::Daily35, "42.42"}, {P::Minute40, "0.0884"}, {P::Second40, "0.0015"},
      {P::Second35, "0.0017"}}},
    {"Second40", P::Second40, "0.01234", "0",
     {{P::Annual, "92401.92"}, {P::Monthly, "7700.16"}, {P::BiWeekly, "3553.92"},
      {P::Weekly, "1776.96"}, {P::Hourly40, "44.42"}, {P::Hourly35, "50.77"},
      {P::Daily40, "355.36"}, {P::Daily35, "355.39"}, {P::Minute40, "0.74"},
      {P::Minute35, "0.8462"}, {P::Second35, "0.0141"}}},
    {"Second35", P::Second35, "0.005", "0",
     {{P::Annual, "32760"}, {P::Monthly, "2730"}, {P::BiWeekly, "1260"}, {P::Weekly, "630"},
      {P::Hourly40, "15.75"}, {P::Hourly35, "18"}, {P::Daily40, "126"}, {P::Daily35, "126"},
      {P::Minute40, "0.26"}, {P::Minute35, "0.3"}, {P::Second40, "0.0044"}}},
};
// clang-format on

}  // namespace wagelyn::testing
