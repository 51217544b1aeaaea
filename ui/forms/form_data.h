#pragma once
// Windows as data, shared by every toolkit: each form's controls and lines
// are constexpr tables in twips, the unit of the design. A front end only
// turns a table into its own widgets and binds their events.

#include <cstdint>
#include <span>
#include <string_view>

#include "conversion/colours.h"

namespace wagelyn {

// 15 twips make one pixel at 96 DPI; each toolkit scales for higher ones.
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

// What Face::FormDefault stands for: MS Sans Serif 8.25 pt.
inline constexpr FontDef kFormFont{Face::SansSerif, 8.25, false};

// The font a control's text is drawn in: its own, or the form's.
constexpr const FontDef& ResolvedFont(const FontDef& font) {
    return font.face == Face::FormDefault ? kFormFont : font;
}

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

// What a screen reader says of a control besides its role and value, where
// the control's own text would say nothing or the wrong thing.
struct AccessibleDef {
    std::string_view control;           // a control of the form; "" the window itself
    std::string_view name = {};         // "" keeps the name the control's own text gives
    std::string_view description = {};  // "" for none
    // Said instead of `description` while the control's text is blue: the
    // figure the user entered, as the form's colour key tells.
    std::string_view blueDescription = {};
};

// The description of a control whose text is drawn in `colour` now.
constexpr std::string_view DescriptionOf(const AccessibleDef& def, Colour colour) {
    return colour == kBlue && !def.blueDescription.empty() ? def.blueDescription : def.description;
}

// A horizontal or vertical line; the forms have no other.
struct LineDef {
    int x1, y1, x2, y2;  // twips
    int widthPixels;
    Colour colour = kSystemColour;  // system: the window-text colour
};

struct LineCover {
    int left, top, width, height;
};

// The pixels a line covers, as the design counts them: a line w pixels wide
// covers the pixels from its coordinate - (w - 1) / 2 on, ends included, so
// a 2-pixel line starts on its coordinate and a 3-pixel one is centred on
// it. In the target's units: `toUnits` maps twips there, `pixels` is the
// line's width in the target's whole pixels and `pixel` one pixel's size.
template <typename ToUnits>
constexpr LineCover CoverOf(const LineDef& line, ToUnits toUnits, int pixels, int pixel = 1) {
    const int width = pixels * pixel;
    const int before = (pixels - 1) / 2 * pixel;
    const int left = toUnits(line.x1 < line.x2 ? line.x1 : line.x2);
    const int top = toUnits(line.y1 < line.y2 ? line.y1 : line.y2);
    const int right = toUnits(line.x1 < line.x2 ? line.x2 : line.x1);
    const int bottom = toUnits(line.y1 < line.y2 ? line.y2 : line.y1);
    return {left - before, top - before, right - left + width, bottom - top + width};
}

// Whether every line of a table is horizontal or vertical.
constexpr bool StraightLines(std::span<const LineDef> lines) {
    for (const LineDef& line : lines) {
        if (line.x1 != line.x2 && line.y1 != line.y2) {
            return false;
        }
    }
    return true;
}

// A window's client area, its controls and lines, and where it stands.
struct FormDef {
    std::span<const ControlDef> controls;
    std::span<const LineDef> lines;
    int clientWidth, clientHeight;      // twips
    Colour background = kSystemColour;  // system: the dialog face
    // Where the client area's corner stands on the screen, in twips; the
    // main window lets the window system place it.
    bool placedBySystem = true;
    int clientLeft = 0, clientTop = 0;
    std::span<const AccessibleDef> accessible = {};
};

// The control of that name in a table, or nullptr.
constexpr const ControlDef* FindControl(std::span<const ControlDef> controls,
                                        std::string_view name) {
    for (const ControlDef& def : controls) {
        if (def.name == name) {
            return &def;
        }
    }
    return nullptr;
}

// The screen-reader texts of the control of that name, or nullptr.
constexpr const AccessibleDef* FindAccessible(std::span<const AccessibleDef> table,
                                              std::string_view control) {
    for (const AccessibleDef& def : table) {
        if (def.control == control) {
            return &def;
        }
    }
    return nullptr;
}

}  // namespace wagelyn
