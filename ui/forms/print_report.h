#pragma once
// What the user is told after pressing Print, the same on every system.
//
// These message boxes are not among the windows' own: the print command
// had no way to fail that the user could see. A page that silently never
// printed would be a failure reported as success, so a missing or troubled
// default printer is told in a plain message box over the window.

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
