#pragma once

#include <string>

namespace wagelyn {

// The user's regional separators, as UTF-8 (a French group separator is the
// three-byte narrow no-break space). The caller reads them from the regional
// settings at the moment of a conversion; the core keeps no format of its own.
struct NumberFormat {
    std::string decimal = ".";
    std::string group = ",";
};

}  // namespace wagelyn
