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

#include <array>
#include <cmath>
#include <cstdlib>
#include <string>

#include "conversion/conversion_tables.h"
#include "conversion/number_to_text.h"
#include "conversion/recalculation.h"
#include "conversion/text_to_number.h"
#include "fuzz_support.h"
#include "tests/support/memory_window.h"

namespace {

using wagelyn::kPeriods;
using wagelyn::Period;

// How many of each period a year holds: 52 weeks of 40 or 35 hours, days of
// 8 or 7 hours, 60 minutes to the hour and 60 seconds to the minute.
constexpr double kPerYear[wagelyn::kPeriodCount] = {
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
    return kPerYear[wagelyn::IndexOf(p)];
}

// Mostly figures, sometimes anything at all; says which it made.
std::string FigureText(FuzzedDataProvider& input, const wagelyn::NumberFormat& format,
                       bool& isNumber) {
    isNumber = true;
    switch (input.ConsumeIntegralInRange(0, 3)) {
        case 0:
            isNumber = false;
            return input.ConsumeRandomLengthString(40);
        case 1:
            return std::to_string(
                input.ConsumeIntegralInRange<long long>(-1'000'000'000, 1'000'000'000));
        default:
            return wagelyn::NumberToText(input.ConsumeFloatingPointInRange(-1e12, 1e12), format);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const wagelyn::NumberFormat& format =
        wagelyn::fuzz::FormatFor(input.ConsumeIntegral<std::uint8_t>());
    const Period source = kPeriods[input.ConsumeIntegralInRange<std::size_t>(0, 11)].period;
    wagelyn::MemoryWindow window;
    std::array<std::string, wagelyn::kPeriodCount> before;
    bool sourceIsNumber = false;
    for (std::size_t i = 0; i < wagelyn::kPeriodCount; ++i) {
        bool isNumber = false;
        before[i] = FigureText(input, format, isNumber);
        window.SetBoxText(kPeriods[i].period, before[i]);
        if (kPeriods[i].period == source) {
            sourceIsNumber = isNumber;
        }
    }
    const bool taxIsNumber = input.ConsumeBool();
    const std::string tax = taxIsNumber ? std::to_string(input.ConsumeIntegralInRange(-200, 200))
                                        : input.ConsumeRandomLengthString(12);
    window.SetTaxText(tax);
    double factor = 1.0;
    wagelyn::Recalculate(source, window, factor, format);

    if (window.ErrorsShown() > 1) {
        std::abort();
    }
    if (window.ErrorsShown() == 1) {
        if (sourceIsNumber && taxIsNumber) {
            std::abort();  // nothing out of range was given: the run must succeed
        }
        for (const auto& info : kPeriods) {
            if (window.BoxColour(info.period) == wagelyn::kRed) {
                std::abort();
            }
        }
        return 0;
    }

    const double gross = *wagelyn::TextToNumber(before[wagelyn::IndexOf(source)], format);
    if (factor != (100.0 - *wagelyn::TextToNumber(tax, format)) / 100.0) {
        std::abort();
    }
    // How far each box may be from its exact net figure: nothing yet for the
    // source, which no rule rounds.
    std::array<double, wagelyn::kPeriodCount> slack{};
    for (const wagelyn::OutputRule& rule : wagelyn::TableFor(source)) {
        const std::string& written = window.BoxText(rule.target);
        const auto value = wagelyn::TextToNumber(written, format);
        if (!value || written == "-0") {
            std::abort();
        }
        if (!format.group.empty() && written.find(format.group) != std::string::npos) {
            std::abort();
        }
        const double exact = gross * factor * PerYear(source) / PerYear(rule.target);
        const double step = PerYear(rule.reads) / PerYear(rule.target);
        const double half = 0.5 * std::pow(10.0, -rule.digits);
        slack[wagelyn::IndexOf(rule.target)] = half + step * slack[wagelyn::IndexOf(rule.reads)];
        // Text keeps at most 15 significant digits: a relative hair more.
        const double allowed =
            slack[wagelyn::IndexOf(rule.target)] * (1 + 1e-9) + std::fabs(exact) * 1e-12;
        if (!(std::fabs(*value - exact) <= allowed)) {
            std::abort();
        }
    }
    for (const auto& info : kPeriods) {
        const bool isSource = info.period == source;
        if (window.BoxColour(info.period) != (isSource ? wagelyn::kBlue : wagelyn::kRed)) {
            std::abort();
        }
        if (isSource && window.BoxText(info.period) != before[wagelyn::IndexOf(source)]) {
            std::abort();
        }
    }
    return 0;
}
