#pragma once
// Printing an image of a window's client area, as the user sees it, as one
// page on the default printer, with no dialog. Printers are asked about
// only here, when the user prints.

#include <windows.h>

#include <string>

#include "ui/forms/print_report.h"

namespace wagelyn::win32 {

struct PrintOutcome {
    PrintResult result;
    std::string printer;  // the default printer's name, when there is one
};

// Captures the client area from the screen and prints it scaled to fill the
// printable area at the printer's resolution, keeping its aspect.
PrintOutcome PrintClientArea(HWND window);

}  // namespace wagelyn::win32
