#include "conversion/number_to_text.h"

#include <cmath>

#include "conversion/decimal_digits.h"

namespace wagelyn {
namespace {

constexpr int kSignificantDigits = 15;
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

}  // namespace

std::string NumberToText(double value, const NumberFormat& format) {
    if (value == 0.0) {
        return "0";  // never "-0"
    }
    detail::DecimalDigits d = detail::ToDecimalDigits(value, -1);
    if (d.count > kSignificantDigits) {
        d = detail::ToDecimalDigits(value, kSignificantDigits);
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
