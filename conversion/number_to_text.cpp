#include "conversion/number_to_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <stdexcept>
#include <system_error>

namespace wagelyn {
namespace {

// printf's %.15g: 15 significant digits, no trailing zeros, and the exponent
// form from 1E15 up and below 1E-4, as the plain form wants them.
constexpr int kSignificantDigits = 15;

using Buffer = std::array<char, 32>;

std::string_view Written(Buffer& buffer, std::to_chars_result result) {
    if (result.ec != std::errc{}) {
        throw std::runtime_error("number conversion failed");
    }
    return {buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())};
}

bool ReadsBack(std::string_view text) {
    double value = 0;
    return std::from_chars(text.data(), text.data() + text.size(), value).ec == std::errc{};
}

// Next to the largest double, rounding to 15 digits can step past it, and the
// text would no longer read back: there the digits are cut instead.
std::string_view CutTo15Digits(double value, Buffer& buffer) {
    const std::string_view shortest = Written(
        buffer, std::to_chars(buffer.begin(), buffer.end(), value, std::chars_format::scientific));
    const std::size_t e = shortest.find('e');
    const std::size_t sign = shortest.front() == '-' ? 1 : 0;
    // "-d." and 14 more digits.
    std::size_t mantissaEnd = std::min(e, sign + 2 + (kSignificantDigits - 1));
    while (buffer[mantissaEnd - 1] == '0') {
        --mantissaEnd;
    }
    if (buffer[mantissaEnd - 1] == '.') {
        --mantissaEnd;
    }
    const std::string_view exponent = shortest.substr(e);
    std::copy(exponent.begin(), exponent.end(), buffer.begin() + mantissaEnd);
    return {buffer.data(), mantissaEnd + exponent.size()};
}

}  // namespace

std::string NumberToText(double value, const NumberFormat& format) {
    if (value == 0.0) {
        return "0";  // never "-0"
    }
    if (!std::isfinite(value)) {
        throw std::domain_error("no text for infinity or NaN");
    }
    Buffer buffer{};
    std::string_view text =
        Written(buffer, std::to_chars(buffer.begin(), buffer.end(), value,
                                      std::chars_format::general, kSignificantDigits));
    if (!ReadsBack(text)) {
        text = CutTo15Digits(value, buffer);
    }

    std::string out;
    out.reserve(text.size() + format.decimal.size() + 1);
    for (const char c : text) {
        if (c == '.') {
            out += format.decimal;
        } else if (c == 'e') {
            out.push_back('E');  // its sign and at least two digits follow, as wanted
        } else {
            out.push_back(c);
        }
    }
    return out;
}

}  // namespace wagelyn
