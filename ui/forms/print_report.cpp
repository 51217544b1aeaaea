#include "ui/forms/print_report.h"

namespace wagelyn {

std::string PrintReport(PrintResult result, std::string_view printer) {
    std::string quoted = "\"";
    quoted.append(printer).append("\"");
    switch (result) {
        case PrintResult::Printed:
        case PrintResult::Cancelled:
            return {};
        case PrintResult::PrintedWithWarning:
            return "The page was sent to the default printer " + quoted +
                   ", but that printer reports a problem. It will print once the printer is "
                   "ready.";
        case PrintResult::NoDefaultPrinter:
            return "Nothing was printed: no default printer is set up on this computer.\n\n"
                   "Set up a printer and make it the default, then press Print again.";
        case PrintResult::Failed:
            return "Nothing was printed: the default printer " + quoted +
                   " could not take the page.";
    }
    return {};
}

}  // namespace wagelyn
