#include "ui/forms/page_painter.h"

#include <algorithm>

namespace wagelyn::page {
namespace {

constexpr int kPixel = 15;  // twips in one pixel at 96 DPI
// The width of a combo box's drop-down button, and the inner margin of a
// field's text, as the standard controls draw them at 96 DPI.
constexpr int kDropButton = 17 * kPixel;
constexpr int kFieldMargin = 4 * kPixel;

Area Inset(const Area& area, int by) {
    return {area.left + by, area.top + by, std::max(0, area.width - 2 * by),
            std::max(0, area.height - 2 * by)};
}

void Frame(Canvas& canvas, const Area& area, Colour colour) {
    canvas.Fill({area.left, area.top, area.width, kPixel}, colour);
    canvas.Fill({area.left, area.top + area.height - kPixel, area.width, kPixel}, colour);
    canvas.Fill({area.left, area.top, kPixel, area.height}, colour);
    canvas.Fill({area.left + area.width - kPixel, area.top, kPixel, area.height}, colour);
}

// A small triangle pointing down, centred in `area`, in whole pixels.
void DownArrow(Canvas& canvas, const Area& area, Colour colour) {
    constexpr int kRows = 4;
    const int middle = area.left + area.width / 2;
    const int top = area.top + (area.height - kRows * kPixel) / 2;
    for (int row = 0; row < kRows; ++row) {
        const int half = (kRows - 1 - row) * kPixel;
        canvas.Fill({middle - half - kPixel / 2, top + row * kPixel, 2 * half + kPixel, kPixel},
                    colour);
    }
}

// A line's pixels as the screen draws them, in twips.
Area LineArea(const LineDef& line) {
    const LineCover cover = CoverOf(
        line, [](int twips) { return twips; }, line.widthPixels, kPixel);
    return {cover.left, cover.top, cover.width, cover.height};
}

void PaintControl(const ControlDef& def, const ControlLook& look, const FormLook& form,
                  Canvas& canvas) {
    const Area area{def.left, def.top, def.width, def.height};
    const FontDef& font = ResolvedFont(def.font);
    switch (def.kind) {
        case ControlKind::Label: {
            canvas.Fill(area, look.paper);
            if (def.bordered) {
                Frame(canvas, area, form.lineInk);
            }
            const TextStyle style{def.centred ? Align::Centre : Align::Left, true};
            canvas.Text(Inset(area, def.bordered ? kPixel : 0), look.text, font, look.ink, style);
            break;
        }
        case ControlKind::TextBox:
        case ControlKind::ComboBox: {
            canvas.Fill(area, look.paper);
            Frame(canvas, area, form.edge);
            Area text = Inset(area, kPixel);
            if (def.kind == ControlKind::ComboBox) {
                const Area button{text.left + text.width - kDropButton, text.top, kDropButton,
                                  text.height};
                canvas.Fill(button, form.buttonFace);
                canvas.Fill({button.left, button.top, kPixel, button.height}, form.edge);
                DownArrow(canvas, button, look.ink);
                text.width -= kDropButton;
            }
            text.left += kFieldMargin - kPixel;
            text.width -= kFieldMargin - kPixel;
            canvas.Text(text, look.text, font, look.ink, {});
            break;
        }
        case ControlKind::Button:
            canvas.Fill(area, look.paper);
            Frame(canvas, area, form.edge);
            canvas.Text(Inset(area, 2 * kPixel), look.text, font, look.ink, {Align::Centre, false});
            break;
        case ControlKind::Picture:
            // Only the About dialog has one, and it is never printed.
            break;
    }
}

}  // namespace

void PaintForm(const FormLook& look, Canvas& canvas) {
    const FormDef& form = *look.form;
    canvas.Fill({0, 0, form.clientWidth, form.clientHeight}, look.face);
    for (const LineDef& line : form.lines) {
        canvas.Fill(LineArea(line), line.colour == kSystemColour ? look.lineInk : line.colour);
    }
    const std::size_t count = std::min(form.controls.size(), look.controls.size());
    for (std::size_t i = 0; i < count; ++i) {
        PaintControl(form.controls[i], look.controls[i], look, canvas);
    }
}

}  // namespace wagelyn::page
