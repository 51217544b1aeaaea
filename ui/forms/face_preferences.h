#pragma once
// The installed faces that stand in for each design face, best first. Both
// front ends draw a face in the first face of its list that is installed
// and scales; where none is, they ask for the first and let the toolkit's
// font matching choose.

#include <span>
#include <string_view>

#include "ui/forms/form_data.h"

namespace wagelyn {

// The design's MS Sans Serif is a bitmap face on Windows (and under Wine),
// which does not scale; Microsoft Sans Serif is its scalable twin. Arial
// and its metric twins come next, as close in width; Tahoma, wider than the
// design, only where none of them is installed.
inline constexpr std::string_view kSansSerifFaces[] = {
    "Microsoft Sans Serif", "MS Sans Serif", "Arial", "Liberation Sans", "Arimo", "Tahoma",
};
inline constexpr std::string_view kArialFaces[] = {"Arial", "Liberation Sans", "Arimo", "Tahoma"};

// The list for `face`; the form's default font is a Sans Serif one.
constexpr std::span<const std::string_view> FacePreferences(Face face) {
    if (face == Face::Arial) {
        return kArialFaces;
    }
    return kSansSerifFaces;
}

}  // namespace wagelyn
