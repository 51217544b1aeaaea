#pragma once

#include <string>

#include "conversion/number_format.h"

namespace wagelyn {

// Writes a figure in its plain form: at most 15 significant digits, the
// regional decimal separator, no group separators, no trailing zeros, a
// leading zero below 1, a leading minus for negatives and never "-0".
// Magnitudes from 1E15 up, and nonzero ones below 1E-4, are written as a
// mantissa and a signed two-digit (or longer) exponent: "1.5E+15", "1E-05";
// TextToNumber reads both forms back. NaN and infinities throw
// std::domain_error: the procedure fails a run before such a value could be
// written.
[[nodiscard]] std::string NumberToText(double value, const NumberFormat& format);

}  // namespace wagelyn
