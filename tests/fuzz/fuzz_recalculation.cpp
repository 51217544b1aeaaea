// A whole run with random box texts, tax text, source and separators: it
// either fails (one error, nothing turned red) or writes exactly the eleven
// texts that the rules give, each one readable again, never "-0", never with
// a group separator, and reading back to the double kept where that fits in
// 15 significant digits.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

#include "conversion/conversion_tables.h"
#include "conversion/keep_decimals.h"
#include "conversion/memory_window.h"
#include "conversion/number_to_text.h"
#include "conversion/recalculation.h"
#include "conversion/text_to_number.h"
#include "fuzz_formats.h"

namespace {

using wagelyn::kPeriods;
using wagelyn::Period;

// Mostly figures, sometimes anything at all.
std::string FigureText(FuzzedDataProvider& input, const wagelyn::NumberFormat& format) {
    switch (input.ConsumeIntegralInRange(0, 3)) {
        case 0:
            return input.ConsumeRandomLengthString(40);
        case 1:
            return std::to_string(
                input.ConsumeIntegralInRange<long long>(-1'000'000'000, 1'000'000'000));
        default: {
            std::string text =
                wagelyn::NumberToText(input.ConsumeFloatingPointInRange(-1e12, 1e12), format);
            return text;
        }
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
    for (std::size_t i = 0; i < wagelyn::kPeriodCount; ++i) {
        before[i] = FigureText(input, format);
        window.SetBoxText(kPeriods[i].period, before[i]);
    }
    std::string tax = input.ConsumeBool() ? std::to_string(input.ConsumeIntegralInRange(-200, 200))
                                          : input.ConsumeRandomLengthString(12);
    window.SetTaxText(tax);
    double factor = 1.0;
    wagelyn::Recalculate(source, window, factor, format);

    if (window.ErrorsShown() > 1) {
        std::abort();
    }
    if (window.ErrorsShown() == 1) {
        for (const auto& info : kPeriods) {
            if (window.BoxColour(info.period) == wagelyn::kRed) {
                std::abort();
            }
        }
        return 0;
    }

    // Replay the table with the public pieces: the run must have written
    // exactly these texts.
    std::array<std::string, wagelyn::kPeriodCount> expected = before;
    const double expectedFactor = (100.0 - *wagelyn::TextToNumber(tax, format)) / 100.0;
    if (factor != expectedFactor && !(std::isnan(factor) && std::isnan(expectedFactor))) {
        std::abort();
    }
    for (const wagelyn::OutputRule& rule : wagelyn::TableFor(source)) {
        const auto operand = wagelyn::TextToNumber(expected[wagelyn::IndexOf(rule.reads)], format);
        if (!operand) {
            std::abort();  // the run succeeded, so every operand read
        }
        double value = rule.chain.Apply(*operand);
        if (rule.net == wagelyn::Net::TimesFactor) {
            value *= factor;
        }
        const double kept = wagelyn::KeepDecimals(value, rule.digits);
        const std::string text = wagelyn::NumberToText(kept, format);
        const std::string& written = window.BoxText(rule.target);
        if (written != text || written == "-0") {
            std::abort();
        }
        if (!format.group.empty() && written.find(format.group) != std::string::npos) {
            std::abort();
        }
        const auto back = wagelyn::TextToNumber(written, format);
        if (!back || (wagelyn::fuzz::ShortestDigits(kept) <= 15 && *back != kept)) {
            std::abort();
        }
        expected[wagelyn::IndexOf(rule.target)] = written;
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
