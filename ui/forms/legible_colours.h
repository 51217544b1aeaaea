#pragma once
// Colours that stay legible under any colour scheme, for every toolkit. The
// layouts fix some colours (a blue figure, a pale-cyan title band) and leave
// the rest to the system; under a dark scheme a fixed colour can meet a
// system colour that it does not contrast with. Where a control fixes one of
// its two colours, the other then comes from the light design the layouts
// were drawn for, so the fixed colour itself, and what it means, stays.

#include "conversion/colours.h"
#include "ui/forms/form_data.h"

namespace wagelyn {

struct ColourPair {
    Colour text;
    Colour background;
    bool operator==(const ColourPair&) const = default;
};

// WCAG 2: the contrast ordinary text needs.
inline constexpr double kWantedContrast = 4.5;

// The system colours of the usual light scheme, which the layouts assume.
ColourPair LightDesignColours(bool textField);

// The WCAG 2 contrast ratio of two opaque colours, from 1 to 21.
double ContrastRatio(Colour a, Colour b);

// The colours to show for a control whose design fixes `designText` and/or
// `designBackground` (kSystemColour: left to the system). A colour left to
// the system is the system's, unless the other is fixed and the system's
// contrasts with it less than min(4.5, the light design's contrast): then it
// is the light design's. Under a light scheme nothing changes.
ColourPair LegibleColours(Colour designText, Colour designBackground, const ColourPair& system,
                          const ColourPair& light);

}  // namespace wagelyn
