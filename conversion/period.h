#pragma once
// The conversion core: the twelve pay periods, the factor taken from the tax
// entry, the twelve conversion tables and the procedure that runs them. It is
// plain C++ with no toolkit: it reaches the window only through
// WindowOperations, so it runs in tests and benchmarks without any window.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace wagelyn {

enum class Period : std::uint8_t {
    Annual,
    Monthly,
    BiWeekly,
    Weekly,
    Hourly40,
    Hourly35,
    Daily40,
    Daily35,
    Minute40,
    Minute35,
    Second40,
    Second35,
};

inline constexpr std::size_t kPeriodCount = 12;

enum class Column : std::uint8_t { Left, Right };

struct PeriodInfo {
    Period period;
    std::string_view box;      // objectName of the figure box
    std::string_view button;   // objectName of the period's button
    std::string_view caption;  // the button's caption, stray full stops included
    Column column;
};

// Buttons skip Command7: that one is the reset button of the top row.
// clang-format off
inline constexpr std::array<PeriodInfo, kPeriodCount> kPeriods{{
    {Period::Annual, "Text1", "Command1", "Annual Salary", Column::Left},
    {Period::Monthly, "Text2", "Command2", "Monthly", Column::Left},
    {Period::BiWeekly, "Text3", "Command3", "Bi-Weekly", Column::Left},
    {Period::Weekly, "Text4", "Command4", "Weekly", Column::Left},
    {Period::Hourly40, "Text5", "Command5", "Hourly - 40 hr.", Column::Left},
    {Period::Hourly35, "Text6", "Command6", "Hourly - 35 hr.", Column::Left},
    {Period::Daily40, "Text7", "Command8", "Daily - 40 hr", Column::Right},
    {Period::Daily35, "Text8", "Command9", "Daily - 35 hr", Column::Right},
    {Period::Minute40, "Text9", "Command10", "Minute. - 40 hr", Column::Right},
    {Period::Minute35, "Text10", "Command11", "Minute - 35 hr", Column::Right},
    {Period::Second40, "Text11", "Command12", "Second. - 40 hr", Column::Right},
    {Period::Second35, "Text12", "Command13", "Second. - 35 hr", Column::Right},
}};
// clang-format on

constexpr std::size_t IndexOf(Period p) {
    return static_cast<std::size_t>(p);
}
constexpr const PeriodInfo& InfoOf(Period p) {
    return kPeriods[IndexOf(p)];
}

}  // namespace wagelyn
