#pragma once
// The Print command, the same in every front end: the window's look is
// taken first (a disabled window is drawn in other colours), the window is
// busy while the page is made, and the user is told what came of it.

#include <string>
#include <string_view>

#include "ui/forms/page_painter.h"
#include "ui/forms/print_report.h"

namespace wagelyn {

struct PrintOutcome {
    PrintResult result;
    std::string printer;  // the default printer's name, when there is one
};

// What the Print command needs of a front end's window.
class PrintableWindow {
public:
    // Each control's text and colours now, in the order of the form's table.
    virtual page::FormLook CurrentLook() const = 0;
    // Busy: the window takes no input and the pointer waits. Not busy: input,
    // and the focus, come back where they were.
    virtual void SetBusy(bool busy) = 0;
    // Prints `look` on the default printer as one page, with no dialog.
    virtual PrintOutcome PrintLook(const page::FormLook& look) = 0;
    virtual void ShowPrintProblem(std::string_view message) = 0;

protected:
    ~PrintableWindow() = default;
};

void RunPrintCommand(PrintableWindow& window);

}  // namespace wagelyn
