#pragma once

#include <cstdint>

namespace wagelyn {

// Colours are kept in the platform's 0x00BBGGRR order, as the layouts give them.
using Colour = std::uint32_t;

inline constexpr Colour kBlue = 0x00FF0000;  // the source box of the last run
inline constexpr Colour kRed = 0x000000FF;   // a computed net figure

constexpr int RedOf(Colour c) {
    return static_cast<int>(c & 0xFFU);
}
constexpr int GreenOf(Colour c) {
    return static_cast<int>((c >> 8U) & 0xFFU);
}
constexpr int BlueOf(Colour c) {
    return static_cast<int>((c >> 16U) & 0xFFU);
}

}  // namespace wagelyn
