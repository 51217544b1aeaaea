// Keeping places and writing: for any double and any place count, the quick
// road and the general one write the same text, which is never "-0", holds
// no group separator, lies within half a unit of the last place, and reads
// back to the very double kept when that fits in 15 significant digits.
#include <cmath>
#include <cstdint>
#include <cstring>

#include "conversion/keep_decimals.h"
#include "conversion/kept_figure.h"
#include "conversion/number_to_text.h"
#include "conversion/text_to_number.h"
#include "fuzz_support.h"

using namespace wagelyn;
using fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 10) {
        return 0;
    }
    double value = 0;
    std::memcpy(&value, data, sizeof value);
    // The tables keep 2 or 4 places; every accepted count must still agree.
    const int digits = data[8] % (kMaxDecimalPlaces + 1);
    const NumberFormat& format = fuzz::FormatFor(data[9]);
    if (!std::isfinite(value)) {
        return 0;  // a run fails before such a value is kept
    }

    const double kept = KeepDecimals(value, digits);
    const std::string text = NumberToText(kept, format);
    Require(KeptFigureText(value, digits, format) == text);
    fuzz::RequirePlainFigure(text, format);
    // Within half a unit of the last place, give or take the spacing of
    // doubles out there (wider than a cent from about 2^46 on).
    const double spacing = std::nextafter(std::fabs(value), INFINITY) - std::fabs(value);
    Require(std::fabs(kept - value) <= 0.5000001 * std::pow(10.0, -digits) + spacing);
    const auto back = TextToNumber(text, format);
    Require(back && (fuzz::ShortestDigits(kept) > 15 || *back == kept));
    return 0;
}
