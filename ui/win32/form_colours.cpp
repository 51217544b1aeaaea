// The colours a form's window and controls are drawn in: the design's, or
// the system's where the design leaves them to it.
#include "ui/win32/form_window.h"

namespace wagelyn::win32 {

Colour FormWindow::TextColour(HWND control) const {
    const auto index = TableIndex(control);
    return index ? textColours_[*index] : kSystemColour;
}

void FormWindow::SetTextColour(HWND control, Colour colour) {
    const auto index = TableIndex(control);
    if (index && textColours_[*index] != colour) {
        textColours_[*index] = colour;
        InvalidateRect(control, nullptr, TRUE);
        screenReader_.ColourChanged(control, colour);
    }
}

COLORREF FormWindow::FormFace() const {
    return colours_.FormFace(form_.background);
}

HBRUSH FormWindow::BrushFor(COLORREF colour) {
    Brush& brush = brushes_[colour];
    if (!brush) {
        brush.reset(CreateSolidBrush(colour));
    }
    return brush.get();
}

// Colours are kept as 0x00BBGGRR, which is what a COLORREF is.
HBRUSH FormWindow::ColourControl(HDC dc, HWND control) {
    // A combo box's own edit field and list ask through the combo box.
    if (GetParent(control) != window_) {
        control = GetParent(control);
    }
    const auto index = TableIndex(control);
    if (!index) {
        SetBkColor(dc, FormFace());
        return BrushFor(FormFace());
    }
    const ColourPair shown =
        colours_.ForControl(form_.controls[*index], textColours_[*index], form_.background);
    SetTextColor(dc, shown.text);
    SetBkColor(dc, shown.background);
    return BrushFor(shown.background);
}

}  // namespace wagelyn::win32
