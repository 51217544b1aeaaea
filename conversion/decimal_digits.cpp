#include "conversion/decimal_digits.h"

#include <charconv>
#include <cmath>

namespace wagelyn::detail {

DecimalDigits ToDecimalDigits(double value, int precision) {
    DecimalDigits d;
    d.negative = std::signbit(value);
    const double magnitude = std::fabs(value);
    std::array<char, 48> text{};
    auto result = precision < 0 ? std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                                std::chars_format::scientific)
                                : std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                                std::chars_format::scientific, precision - 1);
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
        std::from_chars(p, end, exponent);
        d.exponent = negativeExponent ? -exponent : exponent;
    }
    return d;
}

}  // namespace wagelyn::detail
