#pragma once
// What the fuzzers share: the regional formats they choose from (real-world
// decimal and group separators, multi-byte ones included), and Require.

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tests/support/formats.h"

namespace wagelyn::fuzz {

inline const std::array<NumberFormat, 8> kFormats{{
    testing::kEnglish,
    testing::kGerman,
    testing::kFrench,
    testing::kSwiss,
    testing::kRussian,
    {".", ""},             // no grouping
    {"\u066B", "\u066C"},  // Arabic decimal and thousands separators
    {".", " "},
}};

// Stops the run when `holds` is false, so that libFuzzer keeps the input.
inline void Require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

// A written figure is never "-0" and holds no group separator.
inline void RequirePlainFigure(const std::string& text, const NumberFormat& format) {
    Require(text != "-0");
    Require(format.group.empty() || text.find(format.group) == std::string::npos);
}

inline const NumberFormat& FormatFor(std::uint8_t choice) {
    return kFormats[choice % kFormats.size()];
}

// How many significant digits the shortest text of `value` has: up to 15,
// a kept figure must read back exactly.
inline int ShortestDigits(double value) {
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                std::chars_format::scientific);
    // The digits are all that comes before the exponent but the point.
    const char* exponent = std::find(buffer, result.ptr, 'e');
    return static_cast<int>(exponent - buffer) - (buffer[1] == '.' ? 1 : 0);
}

}  // namespace wagelyn::fuzz
