#pragma once

#include "conversion/number_format.h"
#include "conversion/period.h"
#include "conversion/window_operations.h"

namespace wagelyn {

// A period button's click: computes the factor from the tax entry into
// `takeHomeFactor`, turns the source box blue, writes the eleven net figures
// of the source's table in order and turns them red. Any failure (a text that
// does not convert, a figure beyond the double range) stops the run where it
// is, shows the error dialog and returns; nothing is undone. `format` holds the
// regional separators, read once by the caller for the whole run.
void Recalculate(Period source, WindowOperations& window, double& takeHomeFactor,
                 const NumberFormat& format);

// The main window's load handler: the tax entry becomes "0" and the factor
// is computed from it (1).
void LoadDefaults(WindowOperations& window, double& takeHomeFactor, const NumberFormat& format);

// Reset: empties the twelve boxes, Text1 first; colours, the tax entry and the
// factor stay. Emptying a box cannot fail, so reset never shows the error
// dialog.
void ResetBoxes(WindowOperations& window);

}  // namespace wagelyn
