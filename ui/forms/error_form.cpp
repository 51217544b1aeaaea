#include "ui/forms/error_form.h"

namespace wagelyn::error_form {
namespace {

constexpr Colour kDarkGreen = 0x00008000;

// clang-format off
constexpr ControlDef kControls[] = {
    // TRANSLATORS: a button. Room: 81 x 25 pixels.
    {kOkButton, ControlKind::Button, N_("OK"), 4680, 120, 1215, 375, kSystemColour, kSystemColour,
     {}, 0},
    // TRANSLATORS: a button. Room: 81 x 25 pixels.
    {kCancelButton, ControlKind::Button, N_("Cancel"), 4680, 600, 1215, 375, kSystemColour,
     kSystemColour, {}, 1},
    // The message stands on the dialog's own face, not on a band of its own.
    {kMessageLabel, ControlKind::Label, kMessage, 360, 360, 3975, 1215, kDarkGreen, kSystemColour, {Face::SansSerif, 9.75, true}, 2, false,
     false, true},
};
// clang-format on

// A screen reader announcing the dialog reads the message with it.
constexpr AccessibleDef kAccessible[] = {{"", "", kMessage}};

// Its client area's corner at (2760, 3750) on the screen, 6090 x 1830 twips.
constexpr FormDef kForm{.controls = kControls,
                        .lines = {},
                        .clientWidth = 6090,
                        .clientHeight = 1830,
                        .placedBySystem = false,
                        .clientLeft = 2760,
                        .clientTop = 3750,
                        .accessible = kAccessible};

}  // namespace

const FormDef& Form() {
    return kForm;
}

}  // namespace wagelyn::error_form
