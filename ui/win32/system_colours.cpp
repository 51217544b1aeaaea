#include "ui/win32/system_colours.h"

namespace wagelyn::win32 {

void SystemColours::Refresh() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    highContrast_ = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
                    (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
    // A COLORREF is 0x00BBGGRR, as the forms keep colours.
    field_ = {GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW)};
    face_ = {GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_BTNFACE)};
    selected_ = {GetSysColor(COLOR_HIGHLIGHTTEXT), GetSysColor(COLOR_HIGHLIGHT)};
    hotTracking_ = GetSysColor(COLOR_HOTLIGHT);
}

Colour SystemColours::FormFace(Colour designFace) const {
    return highContrast_ || designFace == kSystemColour ? face_.background : designFace;
}

ColourPair SystemColours::Marked(const ColourPair& plain) const {
    if (hotTracking_ != plain.text &&
        ContrastRatio(hotTracking_, plain.background) >= kWantedContrast) {
        return {hotTracking_, plain.background};
    }
    // A scheme whose hot-tracking colour does not stand out: the selection's.
    return selected_;
}

ColourPair SystemColours::ForControl(const ControlDef& def, Colour text, Colour designFace) const {
    const bool field = def.kind == ControlKind::TextBox || def.kind == ControlKind::ComboBox;
    const ColourPair& system = field ? field_ : face_;
    if (highContrast_) {
        return text == kBlue ? Marked(system) : system;
    }
    Colour background = def.background;
    if (background == kSystemColour && (def.onFormFace || def.kind == ControlKind::Picture)) {
        background = designFace;
    }
    return LegibleColours(text, background, system, LightDesignColours(field));
}

Colour SystemColours::ForLine(const LineDef& line, Colour designFace) const {
    if (highContrast_) {
        return face_.text;
    }
    if (line.colour != kSystemColour) {
        return line.colour;
    }
    // Lines in the system's text colour stay visible on the form's own face.
    const Colour face = FormFace(designFace);
    return LegibleColours(kSystemColour, face, {field_.text, face},
                          {LightDesignColours(false).text, face})
        .text;
}

void RedrawAfterColourChange(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Only top-level windows hear of new system colours; the common controls
    // among the children want to know too.
    if (message == WM_SYSCOLORCHANGE) {
        for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            SendMessageW(child, message, wParam, lParam);
        }
    }
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

}  // namespace wagelyn::win32
