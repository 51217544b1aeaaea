#pragma once

#include <array>
#include <cstdint>

#include "conversion/chain.h"
#include "conversion/period.h"

namespace wagelyn {

enum class Net : std::uint8_t {
    TimesFactor,  // reads the gross source figure: multiplied by TakeHomeFactor
    AlreadyNet,   // reads a figure this run wrote: already net, never taxed twice
};

struct OutputRule {
    Period target;
    Period reads;
    Chain chain;
    Net net;
    int digits;
};

inline constexpr std::size_t kRulesPerTable = kPeriodCount - 1;
using ConversionTable = std::array<OutputRule, kRulesPerTable>;

// The eleven rules of a source period, in the order they are written.
const ConversionTable& TableFor(Period source);

}  // namespace wagelyn
