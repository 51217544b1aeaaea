#pragma once
// A form drawn on a printed page as vector shapes and text, from its tables
// and from how each control looks at the moment of printing. The painter
// speaks in the form's twips; each toolkit supplies a canvas that maps them
// to its printer's own resolution, so that nothing is a screen image.
//
// Why a second renderer of the controls, when the toolkits already draw
// them: an image of the window prints at the screen's 96 dots per inch,
// coarse on a 600-dot page, and only while the window is
// uncovered. Drawn again from the same tables, the page is crisp vector text
// and shows what the window shows, whatever covers it.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/colours.h"
#include "ui/forms/form_data.h"

namespace wagelyn::page {

// A rectangle in the form's twips.
struct Area {
    int left, top, width, height;
};

enum class Align : std::uint8_t { Left, Centre };

struct TextStyle {
    Align align = Align::Left;
    // Wrapped at word boundaries from the top, as a label does; otherwise
    // one line, centred vertically, as in a field or on a button.
    bool wrap = false;
};

class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void Fill(const Area& area, Colour colour) = 0;
    // `font` is never Face::FormDefault: the painter resolves it. The text
    // is clipped to `area`.
    virtual void Text(const Area& area, std::string_view text, const FontDef& font, Colour colour,
                      TextStyle style) = 0;

protected:
    Canvas() = default;
    Canvas(const Canvas&) = default;
    Canvas& operator=(const Canvas&) = default;
};

// How one control looks now: its text and the two colours it is drawn in.
struct ControlLook {
    std::string text;  // UTF-8
    Colour ink;
    Colour paper;
};

// A form as it looks now: the looks in the order of the form's table.
struct FormLook {
    const FormDef* form = nullptr;
    std::vector<ControlLook> controls;
    Colour face = 0;        // the form's background
    Colour lineInk = 0;     // lines of the system colour, and bordered labels' frames
    Colour edge = 0;        // the borders of fields and buttons
    Colour buttonFace = 0;  // a combo box's drop-down button
};

// Draws the whole client area of `look.form` on `canvas`, its corner at the
// canvas's origin: the face, the lines, then every control over them.
void PaintForm(const FormLook& look, Canvas& canvas);

}  // namespace wagelyn::page
