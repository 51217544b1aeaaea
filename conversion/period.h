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

struct PeriodInfo {
    Period period;
    std::string_view name;  // the period's identifier, for messages and benchmarks
};

// clang-format off
inline constexpr std::array<PeriodInfo, kPeriodCount> kPeriods{{
    {Period::Annual, "Annual"}, {Period::Monthly, "Monthly"}, {Period::BiWeekly, "BiWeekly"},
    {Period::Weekly, "Weekly"}, {Period::Hourly40, "Hourly40"}, {Period::Hourly35, "Hourly35"},
    {Period::Daily40, "Daily40"}, {Period::Daily35, "Daily35"}, {Period::Minute40, "Minute40"},
    {Period::Minute35, "Minute35"}, {Period::Second40, "Second40"}, {Period::Second35, "Second35"},
}};
// clang-format on

constexpr std::size_t IndexOf(Period p) {
    return static_cast<std::size_t>(p);
}
constexpr const PeriodInfo& InfoOf(Period p) {
    return kPeriods[IndexOf(p)];
}

}  // namespace wagelyn
