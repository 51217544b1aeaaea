// A whole run with random box texts, tax text, source and separators.
//  - A run whose source figure and tax are numbers must succeed; any run
//    either fails (one error, nothing turned red) or writes eleven texts.
//  - Each written text reads back, is never "-0" and has no group separator.
//  - Each written figure lies within its rounding bound of the gross figure
//    × the take-home factor × the ratio of the two periods, computed here
//    from hours, days and weeks, not from the program's tables. Each rounded
//    figure that a later rule reads carries its half unit forward, scaled by
//    the ratio of that rule's step.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "conversion/conversion_tables.h"
#include "conversion/number_to_text.h"
#include "conversion/recalculation.h"
#include "conversion/text_to_number.h"
#include "fuzz_support.h"
#include "tests/support/memory_window.h"

using namespace wagelyn;
using fuzz::Require;

namespace {

// How many of each period a year holds: 52 weeks of 40 or 35 hours, days of
// 8 or 7 hours, 60 minutes to the hour and 60 seconds to the minute.
constexpr double kPerYear[kPeriodCount] = {
    1.0,                  // Annual
    12.0,                 // Monthly
    26.0,                 // BiWeekly
    52.0,                 // Weekly
    52.0 * 40,            // Hourly40
    52.0 * 35,            // Hourly35
    52.0 * 40 / 8,        // Daily40
    52.0 * 35 / 7,        // Daily35
    52.0 * 40 * 60,       // Minute40
    52.0 * 35 * 60,       // Minute35
    52.0 * 40 * 60 * 60,  // Second40
    52.0 * 35 * 60 * 60,  // Second35
};

double PerYear(Period p) {
    return kPerYear[IndexOf(p)];
}

// Mostly figures, sometimes anything at all; says which it made.
std::string FigureText(FuzzedDataProvider& input, const NumberFormat& format, bool& isNumber) {
    isNumber = true;
    switch (input.ConsumeIntegralInRange(0, 3)) {
        case 0:
            isNumber = false;
            return input.ConsumeRandomLengthString(40);
        case 1:
            return std::to_string(
                input.ConsumeIntegralInRange<long long>(-1'000'000'000, 1'000'000'000));
        default:
            return NumberToText(input.ConsumeFloatingPointInRange(-1e12, 1e12), format);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const NumberFormat& format = fuzz::FormatFor(input.ConsumeIntegral<std::uint8_t>());
    const Period source = kPeriods[input.ConsumeIntegralInRange<std::size_t>(0, 11)].period;
    MemoryWindow window;
    std::array<bool, kPeriodCount> isNumber{};
    for (std::size_t i = 0; i < kPeriodCount; ++i) {
        window.SetBoxText(kPeriods[i].period, FigureText(input, format, isNumber[i]));
    }
    const MemoryWindow before = window;
    const bool taxIsNumber = input.ConsumeBool();
    const std::string tax = taxIsNumber ? std::to_string(input.ConsumeIntegralInRange(-200, 200))
                                        : input.ConsumeRandomLengthString(12);
    window.SetTaxText(tax);
    Recalculate(source, window, window.factor, format);

    Require(window.ErrorsShown() <= 1);
    if (window.ErrorsShown() == 1) {
        // Nothing out of range was given: the run must succeed.
        Require(!isNumber[IndexOf(source)] || !taxIsNumber);
        Require(std::ranges::count(window.AllColours(), kRed) == 0);
        return 0;
    }

    const double gross = *TextToNumber(before.BoxText(source), format);
    Require(window.factor == (100.0 - *TextToNumber(tax, format)) / 100.0);
    // How far each box may be from its exact net figure: nothing yet for the
    // source, which no rule rounds.
    std::array<double, kPeriodCount> slack{};
    for (const OutputRule& rule : TableFor(source)) {
        const std::string& written = window.BoxText(rule.target);
        const auto value = TextToNumber(written, format);
        Require(value.has_value());
        fuzz::RequirePlainFigure(written, format);
        const double exact = gross * window.factor * PerYear(source) / PerYear(rule.target);
        const double step = PerYear(rule.reads) / PerYear(rule.target);
        const double half = 0.5 * std::pow(10.0, -rule.digits);
        slack[IndexOf(rule.target)] = half + step * slack[IndexOf(rule.reads)];
        // Text keeps at most 15 significant digits: a relative hair more.
        const double allowed = slack[IndexOf(rule.target)] * (1 + 1e-9) + std::fabs(exact) * 1e-12;
        Require(std::fabs(*value - exact) <= allowed);
    }
    Require(window.AllColours() == MemoryWindow::ColoursAfterRunFrom(source));
    Require(window.BoxText(source) == before.BoxText(source));
    return 0;
}
