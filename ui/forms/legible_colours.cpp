#include "ui/forms/legible_colours.h"

#include <algorithm>
#include <cmath>

namespace wagelyn {
namespace {

double Linear(int channel) {
    const double v = channel / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double Luminance(Colour c) {
    return 0.2126 * Linear(RedOf(c)) + 0.7152 * Linear(GreenOf(c)) + 0.0722 * Linear(BlueOf(c));
}

// `fixed` stays; `system` is kept while it contrasts with it enough.
Colour Partner(Colour fixed, Colour system, Colour light) {
    const double enough = std::min(kWantedContrast, ContrastRatio(fixed, light));
    return ContrastRatio(fixed, system) >= enough ? system : light;
}

}  // namespace

ColourPair LightDesignColours(bool textField) {
    // Black text; text fields on white, everything else on the light grey
    // face. The face is the darkest of the usual light schemes' (Qt's own
    // and Breeze's 239 grey, Windows' 240), so none of them sees a change.
    constexpr Colour kBlack = 0x000000;
    constexpr Colour kWhite = 0xFFFFFF;
    constexpr Colour kLightFace = 0xEFEFEF;
    return {kBlack, textField ? kWhite : kLightFace};
}

double ContrastRatio(Colour a, Colour b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

ColourPair LegibleColours(Colour designText, Colour designBackground, const ColourPair& system,
                          const ColourPair& light) {
    const bool fixedText = designText != kSystemColour;
    const bool fixedBackground = designBackground != kSystemColour;
    if (fixedText && fixedBackground) {
        return {designText, designBackground};
    }
    if (fixedText) {
        return {designText, Partner(designText, system.background, light.background)};
    }
    if (fixedBackground) {
        return {Partner(designBackground, system.text, light.text), designBackground};
    }
    return system;
}

}  // namespace wagelyn
