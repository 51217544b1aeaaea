#pragma once
// Shared by keeping decimal places and number to text: a double's decimal
// digits as the standard conversion gives them, without sign or point.

#include <array>
#include <cstddef>

namespace wagelyn::detail {

// The most significant digits that tell doubles apart.
inline constexpr int kMaxSignificantDigits = 17;

struct DecimalDigits {
    std::array<char, kMaxSignificantDigits> buffer{};
    std::size_t count = 0;  // significant digits, no trailing zeros
    int exponent = 0;       // value = d.ddd × 10^exponent
    bool negative = false;
};

// precision < 0: the shortest form that reads back to the same double;
// otherwise that many significant digits, correctly rounded: 1 to
// kMaxSignificantDigits, or std::out_of_range. Infinities and NaN have no
// digits: std::domain_error.
DecimalDigits ToDecimalDigits(double value, int precision);

}  // namespace wagelyn::detail
