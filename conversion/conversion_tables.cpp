#include "conversion/conversion_tables.h"

namespace wagelyn {
namespace {

using P = Period;
constexpr Net kTax = Net::TimesFactor;
constexpr Net kNet = Net::AlreadyNet;

// One table per source period, in period order. A rule may read a box that an
// earlier rule of the same table wrote: it then reads the rounded net figure.
// Chains stand exactly as written, cancelling steps (* 52 / 52) included:
// shortening one can move a result across a rounding half.
// clang-format off
constexpr std::array<ConversionTable, kPeriodCount> kTables{{
    // Annual
    ConversionTable{{
        {P::Monthly, P::Annual, "/ 12", kTax, 2},
        {P::BiWeekly, P::Annual, "/ 26", kTax, 2},
        {P::Weekly, P::Annual, "/ 52", kTax, 2},
        {P::Hourly40, P::Annual, "/ 52 / 40", kTax, 2},
        {P::Hourly35, P::Annual, "/ 52 / 35", kTax, 2},
        {P::Daily40, P::Hourly40, "* 8", kNet, 2},
        {P::Daily35, P::Hourly35, "* 7", kNet, 2},
        {P::Minute40, P::Hourly40, "/ 60", kNet, 4},
        {P::Minute35, P::Hourly35, "/ 60", kNet, 4},
        {P::Second40, P::Minute40, "/ 60", kNet, 4},
        {P::Second35, P::Minute35, "/ 60", kNet, 4},
    }},
    // Monthly
    ConversionTable{{
        {P::Annual, P::Monthly, "* 12", kTax, 2},
        {P::BiWeekly, P::Monthly, "* 12 / 26", kTax, 2},
        {P::Weekly, P::Monthly, "* 12 / 52", kTax, 2},
        {P::Hourly40, P::Monthly, "* 12 / 52 / 40", kTax, 2},
        {P::Hourly35, P::Monthly, "* 12 / 52 / 35", kTax, 2},
        {P::Daily40, P::Hourly40, "* 8", kNet, 2},
        {P::Daily35, P::Hourly35, "* 7", kNet, 2},
        {P::Minute40, P::Hourly40, "/ 60", kNet, 2},
        {P::Minute35, P::Hourly35, "/ 60", kNet, 2},
        {P::Second40, P::Minute40, "/ 60", kNet, 4},
        {P::Second35, P::Minute35, "/ 60", kNet, 4},
    }},
    // BiWeekly
    ConversionTable{{
        {P::Annual, P::BiWeekly, "* 26", kTax, 2},
        {P::Monthly, P::BiWeekly, "* 26 / 12", kTax, 2},
        {P::Weekly, P::BiWeekly, "* 26 / 52", kTax, 2},
        {P::Hourly40, P::BiWeekly, "* 26 / 52 / 40", kTax, 2},
        {P::Hourly35, P::BiWeekly, "* 26 / 52 / 35", kTax, 2},
        {P::Daily40, P::Hourly40, "* 8", kNet, 2},
        {P::Daily35, P::Hourly35, "* 7", kNet, 2},
        {P::Minute40, P::Hourly40, "/ 60", kNet, 2},
        {P::Minute35, P::Hourly35, "/ 60", kNet, 2},
        {P::Second40, P::Minute40, "/ 60", kNet, 4},
        {P::Second35, P::Minute35, "/ 60", kNet, 4},
    }},
    // Weekly
    ConversionTable{{
        {P::Annual, P::Weekly, "* 52", kTax, 2},
        {P::Monthly, P::Weekly, "* 52 / 12", kTax, 2},
        {P::BiWeekly, P::Weekly, "* 52 / 26", kTax, 2},
        {P::Hourly40, P::Weekly, "* 52 / 52 / 40", kTax, 2},
        {P::Hourly35, P::Weekly, "* 52 / 52 / 35", kTax, 2},
        {P::Daily40, P::Hourly40, "* 8", kNet, 2},
        {P::Daily35, P::Hourly35, "* 7", kNet, 2},
        {P::Minute40, P::Hourly40, "/ 60", kNet, 2},
        {P::Minute35, P::Hourly35, "/ 60", kNet, 2},
        {P::Second40, P::Minute40, "/ 60", kNet, 4},
        {P::Second35, P::Minute35, "/ 60", kNet, 4},
    }},
    // Hourly40
    ConversionTable{{
        {P::Annual, P::Hourly40, "* 40 * 52", kTax, 2},
        {P::Monthly, P::Hourly40, "* 40 * 52 / 12", kTax, 2},
        {P::BiWeekly, P::Hourly40, "* 40 * 52 / 26", kTax, 2},
        {P::Weekly, P::Hourly40, "* 40 * 52 / 52", kTax, 2},
        {P::Hourly35, P::Hourly40, "* 40 / 35", kTax, 2},
        {P::Daily40, P::Hourly40, "* 8", kTax, 2},
        {P::Daily35, P::Hourly35, "* 7", kNet, 2},
        {P::Minute40, P::Hourly40, "/ 60", kTax, 2},
        {P::Minute35, P::Hourly35, "/ 60", kNet, 2},
        {P::Second40, P::Minute40, "/ 60", kNet, 4},
        {P::Second35, P::Minute35, "/ 60", kNet, 4},
    }},
    // Hourly35
    ConversionTable{{
        {P::Annual, P::Hourly35, "* 35 * 52", kTax, 2},
        {P::Monthly, P::Hourly35, "* 35 * 52 / 12", kTax, 2},
        {P::BiWeekly, P::Hourly35, "* 35 * 52 / 26", kTax, 2},
        {P::Weekly, P::Hourly35, "* 35 * 52 / 52", kTax, 2},
        {P::Hourly40, P::Hourly35, "* 35 / 40", kTax, 2},
        {P::Daily40, P::Hourly40, "* 8", kNet, 2},
        {P::Daily35, P::Hourly35, "* 7", kTax, 2},
        {P::Minute40, P::Hourly40, "/ 60", kNet, 2},
        {P::Minute35, P::Hourly35, "/ 60", kTax, 2},
        {P::Second40, P::Minute40, "/ 60", kNet, 4},
        {P::Second35, P::Minute35, "/ 60", kNet, 4},
    }},
    // Daily40
    ConversionTable{{
        {P::Annual, P::Daily40, "* 40 * 52 / 8", kTax, 2},
        {P::Monthly, P::Daily40, "* 40 * 52 / 12 / 8", kTax, 2},
        {P::BiWeekly, P::Daily40, "* 40 * 52 / 26 / 8", kTax, 2},
        {P::Weekly, P::Daily40, "* 40 * 52 / 52 / 8", kTax, 2},
        {P::Hourly40, P::Daily40, "/ 8", kTax, 2},
        {P::Hourly35, P::Daily40, "* 40 / 35 / 8", kTax, 2},
        {P::Daily35, P::Hourly35, "* 7", kNet, 2},
        {P::Minute40, P::Hourly40, "/ 60", kNet, 2},
        {P::Minute35, P::Hourly35, "/ 60", kNet, 2},
        {P::Second40, P::Minute40, "/ 60", kNet, 4},
        {P::Second35, P::Minute35, "/ 60", kNet, 4},
    }},
    // Daily35
    ConversionTable{{
        {P::Annual, P::Daily35, "* 35 * 52 / 7", kTax, 2},
        {P::Monthly, P::Daily35, "* 35 * 52 / 12 / 7", kTax, 2},
        {P::BiWeekly, P::Daily35, "* 35 * 52 / 26 / 7", kTax, 2},
        {P::Weekly, P::Daily35, "* 35 * 52 / 52 / 7", kTax, 2},
        {P::Hourly40, P::Daily35, "/ 8", kTax, 2},
        {P::Hourly35, P::Daily35, "/ 7", kTax, 2},
        {P::Daily40, P::Hourly40, "* 8", kNet, 2},
        {P::Minute40, P::Hourly40, "/ 60", kNet, 2},
        {P::Minute35, P::Hourly35, "/ 60", kNet, 2},
        {P::Second40, P::Minute40, "/ 60", kNet, 4},
        {P::Second35, P::Minute35, "/ 60", kNet, 4},
    }},
    // Minute40
    ConversionTable{{
        {P::Annual, P::Minute40, "* 60 * 40 * 52", kTax, 2},
        {P::Monthly, P::Minute40, "* 60 * 40 * 52 / 12", kTax, 2},
        {P::BiWeekly, P::Minute40, "* 60 * 40 * 52 / 26", kTax, 2},
        {P::Weekly, P::Minute40, "* 60 * 40 * 52 / 52", kTax, 2},
        {P::Hourly40, P::Minute40, "* 60", kTax, 2},
        {P::Hourly35, P::Minute40, "* 60 * 40 / 35", kTax, 2},
        {P::Daily40, P::Hourly40, "* 8", kNet, 2},
        {P::Daily35, P::Hourly35, "* 7", kNet, 2},
        {P::Minute35, P::Hourly35, "/ 60", kNet, 4},
        {P::Second40, P::Hourly40, "/ 60 / 60", kNet, 4},
        {P::Second35, P::Hourly35, "/ 60 / 60", kNet, 4},
    }},
    // Minute35
    ConversionTable{{
        {P::Annual, P::Minute35, "* 60 * 35 * 52", kTax, 4},
        {P::Monthly, P::Minute35, "* 60 * 35 * 52 / 12", kTax, 4},
        {P::BiWeekly, P::Minute35, "* 60 * 35 * 52 / 26", kTax, 4},
        {P::Weekly, P::Minute35, "* 60 * 35 * 52 / 52", kTax, 4},
        {P::Hourly40, P::Minute35, "* 60 * 35 / 40", kTax, 4},
        {P::Hourly35, P::Minute35, "* 60", kTax, 4},
        {P::Daily40, P::Hourly40, "* 8", kNet, 4},
        {P::Daily35, P::Hourly35, "* 7", kNet, 4},
        {P::Minute40, P::Hourly35, "/ 60 * 35 / 40", kNet, 4},
        {P::Second40, P::Hourly40, "/ 60 / 60", kNet, 4},
        {P::Second35, P::Hourly35, "/ 60 / 60", kNet, 4},
    }},
    // Second40
    ConversionTable{{
        {P::Annual, P::Second40, "* 60 * 60 * 40 * 52", kTax, 2},
        {P::Monthly, P::Second40, "* 60 * 60 * 40 * 52 / 12", kTax, 2},
        {P::BiWeekly, P::Second40, "* 60 * 60 * 40 * 52 / 26", kTax, 2},
        {P::Weekly, P::Second40, "* 60 * 60 * 40 * 52 / 52", kTax, 2},
        {P::Hourly40, P::Second40, "* 60 * 60", kTax, 2},
        {P::Hourly35, P::Second40, "* 60 * 60 * 40 / 35", kTax, 2},
        {P::Daily40, P::Hourly40, "* 8", kNet, 2},
        {P::Daily35, P::Hourly35, "* 7", kNet, 2},
        {P::Minute40, P::Hourly40, "/ 60", kNet, 2},
        {P::Minute35, P::Hourly35, "/ 60", kNet, 4},
        {P::Second35, P::Hourly35, "/ 60 / 60", kNet, 4},
    }},
    // Second35
    ConversionTable{{
        {P::Annual, P::Second35, "* 60 * 60 * 35 * 52", kTax, 2},
        {P::Monthly, P::Second35, "* 60 * 60 * 35 * 52 / 12", kTax, 2},
        {P::BiWeekly, P::Second35, "* 60 * 60 * 35 * 52 / 26", kTax, 2},
        {P::Weekly, P::Second35, "* 60 * 60 * 35 * 52 / 52", kTax, 2},
        {P::Hourly40, P::Second35, "* 60 * 60 * 35 / 40", kTax, 2},
        {P::Hourly35, P::Second35, "* 60 * 60", kTax, 2},
        {P::Daily40, P::Hourly40, "* 8", kNet, 2},
        {P::Daily35, P::Hourly35, "* 7", kNet, 2},
        {P::Minute40, P::Hourly40, "/ 60", kNet, 2},
        {P::Minute35, P::Hourly35, "/ 60", kNet, 4},
        {P::Second40, P::Hourly40, "/ 60 / 60", kNet, 4},
    }},
}};
// clang-format on

// Every table writes each other box once, never its source, and reads only
// its source or a box written earlier in the same run.
consteval bool TablesAreWellFormed() {
    for (std::size_t s = 0; s < kPeriodCount; ++s) {
        std::array<bool, kPeriodCount> written{};
        for (const OutputRule& rule : kTables[s]) {
            const std::size_t target = IndexOf(rule.target);
            const std::size_t reads = IndexOf(rule.reads);
            if (target == s || written[target] || (reads != s && !written[reads])) {
                return false;
            }
            if ((rule.net == Net::TimesFactor) != (reads == s)) {
                return false;
            }
            if (rule.digits != 2 && rule.digits != 4) {
                return false;
            }
            written[target] = true;
        }
    }
    return true;
}
static_assert(TablesAreWellFormed());

}  // namespace

const ConversionTable& TableFor(Period source) {
    return kTables[IndexOf(source)];
}

}  // namespace wagelyn
