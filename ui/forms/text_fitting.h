#pragma once
// How far a control's text may shrink below the design's size to fit its
// room, and when it is cut instead. Both front ends, on screen and on paper,
// decide by this rule; each measures with its own toolkit.

#include <algorithm>
#include <concepts>

namespace wagelyn {

// A label's or button's text: rounded sizes and hinting make it a few
// pixels wider at another resolution or in a wider face than in the
// design's room, never much more.
inline constexpr double kSmallestLabelScale = 0.8;
// A figure can be far longer than the design's box: it shrinks further, and
// is cut with an ellipsis below that.
inline constexpr double kSmallestFigureScale = 0.6;

struct TextFitting {
    double scale = 1.0;  // of the design's font size
    bool fits = true;    // false: the text is wider than its room even at `scale`
};

// The largest scale, stepping down by twentieths from the design's size to
// `smallest`, at which `fits(scale)` holds; where none does, `smallest`,
// not fitting. The design's size is tried first, so a text that fits costs
// one measurement.
template <std::predicate<double> Fits>
TextFitting FitText(Fits&& fits, double smallest) {
    double scale = 1.0;
    while (!fits(scale)) {
        if (scale <= smallest) {
            return {smallest, false};
        }
        scale = std::max(smallest, scale * 0.95);
    }
    return {scale, true};
}

}  // namespace wagelyn
