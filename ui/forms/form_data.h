#pragma once
// Windows as data: each form's controls and lines are constexpr tables in
// twips, the unit of the design; BuildForm turns a table into widgets.

#include <cstdint>
#include <string_view>

#include "conversion/colours.h"

namespace wagelyn {

// 15 twips make one device-independent pixel; Qt scales those for high DPI.
constexpr int TwipsToPixels(int twips) {
    return (twips + 7) / 15;
}

// Colour value meaning "the toolkit's system colour for this role".
inline constexpr Colour kSystemColour = 0xFFFFFFFF;

enum class ControlKind : std::uint8_t { Label, TextBox, ComboBox, Button, Picture };

enum class Face : std::uint8_t {
    FormDefault,  // the form's own font
    SansSerif,    // MS Sans Serif, or the closest installed face
    Arial,        // Arial, or a metric-compatible replacement
};

struct FontDef {
    Face face = Face::FormDefault;
    double points = 0.0;
    bool bold = false;
};

struct ControlDef {
    std::string_view name;
    ControlKind kind;
    std::string_view text;  // UTF-8; an "&" marks an access key on buttons
    int left, top, width, height;
    Colour foreground = kSystemColour;
    Colour background = kSystemColour;
    FontDef font{};
    int tabIndex = 0;
    bool centred = false;   // labels only
    bool bordered = false;  // labels only: a single-line border
    // Labels only: on the form's own face (the dialog's colour) rather than
    // on a band of the button face.
    bool onFormFace = false;
};

struct LineDef {
    int x1, y1, x2, y2;  // twips
    int widthPixels;
    Colour colour = kSystemColour;  // system: the window-text colour
};

}  // namespace wagelyn
