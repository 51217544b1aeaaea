#include "conversion/keep_decimals.h"

#include <array>
#include <charconv>
#include <cmath>
#include <stdexcept>

#include "conversion/decimal_digits.h"

namespace wagelyn {

void RequireDecimalPlaces(int digits) {
    if (digits < 0 || digits > kMaxDecimalPlaces) {
        throw std::out_of_range("decimal places out of range");
    }
}

double KeepDecimals(double value, int digits) {
    RequireDecimalPlaces(digits);
    if (value == 0.0 || !std::isfinite(value)) {
        return value;
    }
    const detail::DecimalDigits d = detail::ToDecimalDigits(value, -1);
    // How many leading digits stand at 10^-digits or above.
    const int kept = d.exponent + 1 + digits;
    if (kept >= static_cast<int>(d.count)) {
        return value;  // nothing beyond the kept places
    }
    if (kept < 0) {
        return 0.0;  // below half of the last kept place
    }

    std::array<char, 48> text{};
    std::size_t length = 0;
    text[length++] = '0';  // room for a carry out of the leading digit
    for (int i = 0; i < kept; ++i) {
        text[length++] = d.buffer[static_cast<std::size_t>(i)];
    }
    const char next = d.buffer[static_cast<std::size_t>(kept)];
    const bool moreAfterNext = static_cast<int>(d.count) > kept + 1;
    const bool lastKeptOdd = ((text[length - 1] - '0') % 2) == 1;
    if (next > '5' || (next == '5' && (moreAfterNext || lastKeptOdd))) {
        std::size_t i = length - 1;
        while (text[i] == '9') {
            text[i--] = '0';
        }
        ++text[i];
    }
    text[length++] = 'e';
    text[length++] = '-';
    auto [end, ec] = std::to_chars(text.data() + length, text.data() + text.size(), digits);
    double result = 0.0;
    std::from_chars(text.data(), end, result);
    return d.negative ? -result : result;
}

}  // namespace wagelyn
