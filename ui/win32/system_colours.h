#pragma once
// The colours the Windows front end draws its forms in. The system's colours
// are read at start and again whenever the user changes them; the design's
// own colours stay where they are legible on them, and otherwise their
// partner comes from the light design (ui/forms/legible_colours.h). With
// high contrast on, the design's colours give way to the system's, as
// Windows asks of every program: window text on window in fields, button
// text on button face elsewhere, and the gross figure marked in the
// hot-tracking colour, so that it is still told apart from the nets.

#include <windows.h>

#include "ui/forms/form_data.h"
#include "ui/forms/legible_colours.h"

namespace wagelyn::win32 {

class SystemColours {
public:
    SystemColours() { Refresh(); }

    // Reads the system's colours and the high-contrast setting again.
    void Refresh();

    // The face of a form whose design gives it `designFace`.
    Colour FormFace(Colour designFace) const;
    // A control's colours, with its design text colour now `text`, on a form
    // whose design face is `designFace`.
    ColourPair ForControl(const ControlDef& def, Colour text, Colour designFace) const;
    // A line's colour on a form whose design face is `designFace`.
    Colour ForLine(const LineDef& line, Colour designFace) const;

private:
    // The gross figure's colours under high contrast, where `plain` holds the others'.
    ColourPair Marked(const ColourPair& plain) const;

    bool highContrast_ = false;
    ColourPair field_{};      // window text on window
    ColourPair face_{};       // button text on button face
    ColourPair selected_{};   // highlight text on highlight
    Colour hotTracking_ = 0;  // links and other marked text
};

// After a change of the system's colours or theme: passes the change on to
// the window's controls, and redraws the window and every one of them.
void RedrawAfterColourChange(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace wagelyn::win32
