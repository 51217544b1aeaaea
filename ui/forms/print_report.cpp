#include "ui/forms/print_report.h"

#include "i18n/translation.h"

namespace wagelyn {

std::string PrintReport(PrintResult result, std::string_view printer) {
    switch (result) {
        case PrintResult::Printed:
        case PrintResult::Cancelled:
            return {};
        case PrintResult::PrintedWithWarning:
            return TranslateFormat(
                // TRANSLATORS: a message box's text; %s is the printer's name.
                N_("The page was sent to the default printer \"%s\", but that printer reports a "
                   "problem. It will print once the printer is ready."),
                {printer});
        case PrintResult::NoDefaultPrinter:
            return std::string(
                // TRANSLATORS: a message box's text. "Print" is the main window's button.
                Translate(N_("Nothing was printed: no default printer is set up on this "
                             "computer.\n\nSet up a printer and make it the default, then press "
                             "Print again.")));
        case PrintResult::Failed:
            return TranslateFormat(
                // TRANSLATORS: a message box's text; %s is the printer's name.
                N_("Nothing was printed: the default printer \"%s\" could not take the page."),
                {printer});
    }
    return {};
}

}  // namespace wagelyn
