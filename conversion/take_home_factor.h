#pragma once

#include <optional>
#include <string_view>

#include "conversion/number_format.h"
#include "conversion/window_operations.h"

namespace wagelyn {

// (100 − t) / 100 for the tax entry's figure t, never rounded and never
// range-checked: 150 gives −0.5, −10 gives 1.1. Empty when the text does not
// convert.
[[nodiscard]] std::optional<double> TakeHomeFactorOf(std::string_view taxText,
                                                     const NumberFormat& format);

// Reads the tax entry and stores its factor in `takeHomeFactor`; on a text that
// does not convert it stores nothing and returns false.
[[nodiscard]] bool ComputeTakeHomeFactor(const WindowOperations& window, double& takeHomeFactor,
                                         const NumberFormat& format);

}  // namespace wagelyn
