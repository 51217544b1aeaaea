#pragma once
// The shared legibility rule (ui/forms/legible_colours.h) over Qt's colours.

#include <QColor>

#include "ui/forms/legible_colours.h"

namespace wagelyn {

// A Qt colour as the forms keep it; an invalid colour is left to the system.
Colour ToColour(const QColor& colour);

}  // namespace wagelyn
