#pragma once

#include <optional>
#include <string_view>

#include "conversion/number_format.h"

namespace wagelyn {

// Reads a figure as typed: blanks (spaces, tabs, no-break spaces) around it, an optional sign,
// digits, an optional decimal separator with more digits, and an optional
// exponent (E or e, optional sign, digits). Group separators may stand only
// in the integer part, between groups of three digits after a first group of
// one to three ("52,000", "1,234,567"); anywhere else the text fails, so a
// figure typed with the other region's habits is refused, never misread.
// Where the region groups with a blank, any of a space, U+00A0 and U+202F
// counts as its separator; where it groups with U+2019, an ASCII apostrophe
// does too: that is what a keyboard types. Nothing else is accepted:
// no "nan", "inf", hexadecimal, octal, currency or parentheses. The result is the double nearest to
// the number written; a number beyond the double range fails, one too small for it reads as zero.
// Time is linear in the text's length.
[[nodiscard]] std::optional<double> TextToNumber(std::string_view text, const NumberFormat& format);

}  // namespace wagelyn
