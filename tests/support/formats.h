#pragma once

#include "conversion/number_format.h"

namespace wagelyn::testing {

inline const NumberFormat kEnglish{".", ","};
inline const NumberFormat kGerman{",", "."};
inline const NumberFormat kFrench{",", "\u202F"};   // narrow no-break space
inline const NumberFormat kRussian{",", "\u00A0"};  // no-break space
inline const NumberFormat kSwiss{".", "\u2019"};    // right single quotation mark

}  // namespace wagelyn::testing
