#include "conversion/number_to_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "conversion/decimal_digits.h"

namespace wagelyn {
namespace {

constexpr std::size_t kSignificantDigits = 15;
constexpr int kFirstExponentForm = 15;  // 1E15 and above
constexpr int kLastPlainExponent = -4;  // 0.0001 is still written plainly

void AppendExponentForm(std::string& out, const detail::DecimalDigits& d,
                        const NumberFormat& format) {
    const std::string_view digits = d.digits();
    out.push_back(digits[0]);
    if (digits.size() > 1) {
        out += format.decimal;
        out.append(digits.substr(1));
    }
    out.push_back('E');
    out.push_back(d.exponent < 0 ? '-' : '+');
    const int magnitude = std::abs(d.exponent);
    if (magnitude < 10) {
        out.push_back('0');
    }
    out += std::to_string(magnitude);
}

bool BeyondDoubleRange(const detail::DecimalDigits& d) {
    if (d.exponent < std::numeric_limits<double>::max_exponent10) {
        return false;
    }
    std::string text(d.digits());
    text += "e" + std::to_string(d.exponent - static_cast<int>(d.count) + 1);
    double value = 0;
    return std::from_chars(text.data(), text.data() + text.size(), value).ec ==
           std::errc::result_out_of_range;
}

detail::DecimalDigits Truncated(detail::DecimalDigits d, std::size_t digits) {
    d.count = std::min(d.count, digits);
    while (d.count > 1 && d.buffer[d.count - 1] == '0') {
        --d.count;
    }
    return d;
}

}  // namespace

std::string NumberToText(double value, const NumberFormat& format) {
    if (value == 0.0) {
        return "0";  // never "-0"
    }
    detail::DecimalDigits d = detail::ToDecimalDigits(value, -1);
    if (d.count > kSignificantDigits) {
        const detail::DecimalDigits shortest = d;
        d = detail::ToDecimalDigits(value, kSignificantDigits);
        if (BeyondDoubleRange(d)) {
            // Next to the largest double, rounding to 15 digits can step past
            // it, and the text would no longer read back: cut instead.
            d = Truncated(shortest, kSignificantDigits);
        }
    }
    const std::string_view digits = d.digits();

    std::string out;
    out.reserve(digits.size() + format.decimal.size() + 8);
    if (d.negative) {
        out.push_back('-');
    }
    if (d.exponent >= kFirstExponentForm || d.exponent < kLastPlainExponent) {
        AppendExponentForm(out, d, format);
    } else if (d.exponent >= 0) {
        const auto integerDigits = static_cast<std::size_t>(d.exponent) + 1;
        if (digits.size() <= integerDigits) {
            out.append(digits);
            out.append(integerDigits - digits.size(), '0');
        } else {
            out.append(digits.substr(0, integerDigits));
            out += format.decimal;
            out.append(digits.substr(integerDigits));
        }
    } else {
        out.push_back('0');
        out += format.decimal;
        out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        out.append(digits);
    }
    return out;
}

}  // namespace wagelyn
