#pragma once
// Regional formats the fuzzers choose from: real-world decimal and group
// separators, multi-byte ones included.

#include <array>
#include <cstdint>

#include "conversion/number_format.h"

namespace wagelyn::fuzz {

inline const std::array<NumberFormat, 8> kFormats{{
    {".", ","},
    {",", "."},
    {",", "\u202F"},   // French
    {".", "\u2019"},   // Swiss
    {",", "\u00A0"},   // no-break space
    {".", ""},         // no grouping
    {"\u066B", "\u066C"},  // Arabic decimal and thousands separators
    {".", " "},
}};

inline const NumberFormat& FormatFor(std::uint8_t choice) {
    return kFormats[choice % kFormats.size()];
}

}  // namespace wagelyn::fuzz
