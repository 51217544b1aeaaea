#pragma once

#include <string>

#include "conversion/number_format.h"

namespace wagelyn {

// The text an output rule writes: NumberToText(KeepDecimals(value, digits)),
// to the letter. Everyday figures take an integer shortcut that skips both
// decimal conversions; near-halves and very large values take the general road.
// `digits` must be a valid number of places (RequireDecimalPlaces): others
// throw std::out_of_range.
[[nodiscard]] std::string KeptFigureText(double value, int digits, const NumberFormat& format);

}  // namespace wagelyn
