#include "conversion/kept_figure.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "conversion/keep_decimals.h"
#include "conversion/number_to_text.h"

namespace wagelyn {
namespace {

// Below this many units of the last kept place the shortcut's integer has at
// most 15 digits, so its text is also the 15-digit plain form.
constexpr double kShortcutLimit = 1e15;

// The plain form writes nonzero magnitudes below 1E-4 with an exponent
// ("2E-05"); the shortcut writes only plain digits, so it stops there.
constexpr int kSmallestPlainPlace = 4;

// 10^n as an exact integer, for n up to kMaxDecimalPlaces.
constexpr std::uint64_t PowerOfTen(int n) {
    std::uint64_t power = 1;
    for (int i = 0; i < n; ++i) {
        power *= 10;
    }
    return power;
}

}  // namespace

std::string KeptFigureText(double value, int digits, const NumberFormat& format) {
    RequireDecimalPlaces(digits);
    const double scale = digits == 2 ? 100.0 : digits == 4 ? 10000.0 : std::pow(10.0, digits);
    const double scaled = value * scale;
    const double magnitude = std::fabs(scaled);
    const double distanceFromHalf = std::fabs(magnitude - std::floor(magnitude) - 0.5);
    // value * scale is off from the value's shortest decimal form by at most a
    // few units in the last place; anywhere near a half, let that form decide.
    if (!(magnitude < kShortcutLimit) || distanceFromHalf <= magnitude * 1e-15 + 1e-300) {
        return NumberToText(KeepDecimals(value, digits), format);
    }

    auto units = static_cast<std::uint64_t>(std::nearbyint(magnitude));
    if (units == 0) {
        return "0";
    }
    if (digits > kSmallestPlainPlace && units < PowerOfTen(digits - kSmallestPlainPlace)) {
        return NumberToText(KeepDecimals(value, digits), format);
    }
    // Up to 20 integer digits (a 64-bit count), and the places.
    std::array<char, 20 + kMaxDecimalPlaces + 1> text{};
    std::size_t length = 0;
    for (; units != 0; units /= 10) {
        text[length++] = static_cast<char>('0' + units % 10);
    }
    // text holds the digits backwards; the lowest `digits` of them are places.
    const auto places = static_cast<std::size_t>(digits);
    while (length <= places) {
        text[length++] = '0';  // the leading "0" of figures below 1
    }
    std::size_t trailingZeros = 0;
    while (trailingZeros < places && text[trailingZeros] == '0') {
        ++trailingZeros;
    }

    std::string out;
    out.reserve(length + format.decimal.size() + 1);
    if (scaled < 0) {
        out.push_back('-');
    }
    for (std::size_t i = length; i-- > places;) {
        out.push_back(text[i]);
    }
    if (trailingZeros < places) {
        out += format.decimal;
        for (std::size_t i = places; i-- > trailingZeros;) {
            out.push_back(text[i]);
        }
    }
    return out;
}

}  // namespace wagelyn
