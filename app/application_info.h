#pragma once
// The application object's facts, the same for both front ends: the title
// that captions the windows and message boxes, and the version.

#include <string_view>

#include "app/version.h"

namespace wagelyn {

inline constexpr std::string_view kApplicationTitle = "Wagelyn";

}  // namespace wagelyn
