#pragma once
// The shared legibility rule (ui/forms/legible_colours.h) over Qt's colours.

#include <QColor>

#include "ui/forms/legible_colours.h"

namespace wagelyn {

// A Qt colour as the forms keep it; an invalid colour is left to the system.
Colour ToColour(const QColor& colour);

// The WCAG 2 contrast ratio of two opaque colours, from 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);

}  // namespace wagelyn
