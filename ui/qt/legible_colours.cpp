#include "ui/qt/legible_colours.h"

#include <algorithm>
#include <cmath>

namespace wagelyn {
namespace {

// WCAG 2: the larger contrast a reader needs for ordinary text.
constexpr double kWantedContrast = 4.5;

double Linear(int channel) {
    const double v = channel / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& c) {
    return 0.2126 * Linear(c.red()) + 0.7152 * Linear(c.green()) + 0.0722 * Linear(c.blue());
}

// `fixed` stays; `system` is kept while it contrasts with it enough.
QColor Partner(const QColor& fixed, const QColor& system, const QColor& light) {
    const double enough = std::min(kWantedContrast, ContrastRatio(fixed, light));
    return ContrastRatio(fixed, system) >= enough ? system : light;
}

}  // namespace

ColourPair LightDesignColours(bool textField) {
    // Black text; text fields on white, everything else on the light grey
    // face. The face is the darkest of the usual light schemes' (Qt's own
    // and Breeze's 239 grey, Windows' 240), so none of them sees a change.
    return {QColor(0, 0, 0), textField ? QColor(255, 255, 255) : QColor(239, 239, 239)};
}

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

ColourPair LegibleColours(const QColor& designText, const QColor& designBackground,
                          const ColourPair& system, const ColourPair& light) {
    if (designText.isValid() && designBackground.isValid()) {
        return {designText, designBackground};
    }
    if (designText.isValid()) {
        return {designText, Partner(designText, system.background, light.background)};
    }
    if (designBackground.isValid()) {
        return {Partner(designBackground, system.text, light.text), designBackground};
    }
    return system;
}

}  // namespace wagelyn
