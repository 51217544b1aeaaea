#pragma once
// Regional formats the fuzzers choose from: real-world decimal and group
// separators, multi-byte ones included.

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "conversion/number_format.h"

namespace wagelyn::fuzz {

inline const std::array<NumberFormat, 8> kFormats{{
    {".", ","},
    {",", "."},
    {",", "\u202F"},       // French
    {".", "\u2019"},       // Swiss
    {",", "\u00A0"},       // no-break space
    {".", ""},             // no grouping
    {"\u066B", "\u066C"},  // Arabic decimal and thousands separators
    {".", " "},
}};

inline const NumberFormat& FormatFor(std::uint8_t choice) {
    return kFormats[choice % kFormats.size()];
}

// How many significant digits the shortest text of `value` has: up to 15,
// a kept figure must read back exactly.
inline int ShortestDigits(double value) {
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                std::chars_format::scientific);
    int digits = 0;
    for (char* p = buffer; p < result.ptr && *p != 'e'; ++p) {
        digits += *p >= '0' && *p <= '9';
    }
    return digits;
}

}  // namespace wagelyn::fuzz
