#pragma once
// Printing a form as one page on the default printer, with no dialog, drawn
// at the printer's resolution as vector text and shapes from the form's
// tables and its controls' current texts and colours. Printers are asked
// about only here, when the user prints.

#include <windows.h>

#include "ui/forms/form_data.h"

namespace wagelyn::win32 {

// Prints `window`, built from `form`, scaled to fill the printable area with
// its aspect kept; the window takes no input, under a wait cursor, until the
// page is made, and a problem is told in a message box over it.
void PrintForm(HWND window, const FormDef& form);

}  // namespace wagelyn::win32
