#include "ui/qt/legible_colours.h"

namespace wagelyn {

Colour ToColour(const QColor& colour) {
    if (!colour.isValid()) {
        return kSystemColour;
    }
    return static_cast<Colour>(colour.red()) | (static_cast<Colour>(colour.green()) << 8U) |
           (static_cast<Colour>(colour.blue()) << 16U);
}

}  // namespace wagelyn
