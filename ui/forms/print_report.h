#pragma once
// What the user is told after pressing Print, the same on every system.

#include <cstdint>
#include <string>
#include <string_view>

namespace wagelyn {

// Cancelled: the user closed a dialog that the printer's driver showed
// (the file name of a print to file, say), which needs no word.
enum class PrintResult : std::uint8_t {
    Printed,
    PrintedWithWarning,
    NoDefaultPrinter,
    Failed,
    Cancelled
};

// The message for a print on `printer` (the default printer's name, where
// there is one); empty when there is nothing to say.
std::string PrintReport(PrintResult result, std::string_view printer);

}  // namespace wagelyn
