#include "conversion/decimal_digits.h"

#include <charconv>
#include <cmath>
#include <stdexcept>
#include <system_error>

namespace wagelyn::detail {

DecimalDigits ToDecimalDigits(double value, int precision) {
    if (precision == 0 || precision > kMaxSignificantDigits) {
        throw std::out_of_range("significant digits out of range");
    }
    if (!std::isfinite(value)) {
        throw std::domain_error("no digits for infinity or NaN");
    }
    DecimalDigits d;
    d.negative = std::signbit(value);
    const double magnitude = std::fabs(value);
    std::array<char, 48> text{};
    auto result = precision < 0 ? std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                                std::chars_format::scientific)
                                : std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                                std::chars_format::scientific, precision - 1);
    if (result.ec != std::errc{}) {
        throw std::runtime_error("decimal conversion failed");
    }
    // "d[.ddd]e±XX"
    const char* p = text.data();
    const char* end = result.ptr;
    for (; p < end && *p != 'e'; ++p) {
        if (*p != '.') {
            d.buffer[d.count++] = *p;
        }
    }
    while (d.count > 1 && d.buffer[d.count - 1] == '0') {
        --d.count;
    }
    if (p < end) {
        ++p;
        bool negativeExponent = *p == '-';
        ++p;
        int exponent = 0;
        if (std::from_chars(p, end, exponent).ec != std::errc{}) {
            throw std::runtime_error("decimal conversion failed");
        }
        d.exponent = negativeExponent ? -exponent : exponent;
    }
    return d;
}

}  // namespace wagelyn::detail
