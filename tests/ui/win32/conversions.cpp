// Conversions typed into the main window: the worked examples' figures,
// and each figure's colour and room on the screen.

#include "tests/support/worked_examples.h"
#include "tests/ui/win32/driver.h"

namespace wagelyn::drive {

namespace {

// A worked example's text with the decimal comma and the grouping point.
std::string InFormat(std::string text, bool decimalComma) {
    for (char& c : text) {
        c = !decimalComma ? c : c == '.' ? ',' : c == ',' ? '.' : c;
    }
    return text;
}

// How many pixels of the box's inside are clearly blue, and clearly red.
std::pair<int, int> InkIn(HWND box) {
    std::pair<int, int> ink;
    for (const std::uint32_t c : PixelsIn(box)) {
        const int red = (c >> 16) & 0xFF;
        const int green = (c >> 8) & 0xFF;
        const int blue = c & 0xFF;
        ink.first += blue > 150 && red < 100 && green < 100;
        ink.second += red > 150 && blue < 100 && green < 100;
    }
    return ink;
}

// Shown whole, or cut with its last ink, an ellipsis wide, dots on the
// baseline where a cut digit reaches up: whether one look sees that, and what.
std::pair<bool, std::string> LookAtFigure(HWND box) {
    const std::string figure = TextOf(box);
    const auto length = static_cast<std::size_t>(GetWindowTextLengthW(box));  // in characters
    const int rightMargin = HIWORD(SendMessageW(box, EM_GETMARGINS, 0, 0));
    const int roomRight = Rect(box, GetClientRect).right - rightMargin;
    // Where the text, as the box lays it out from its start, ends: its last
    // character's place and, above it, the widest advance of those before
    // (a digit's; no box tells where its text ends).
    const auto xOf = [box](std::size_t i) {
        return static_cast<short>(LOWORD(SendMessageW(box, EM_POSFROMCHAR, i, 0)));
    };
    int widest = 0;
    for (std::size_t i = 1; i < length; ++i) {
        widest = std::max(widest, xOf(i) - xOf(i - 1));
    }
    const int endX = length == 0 ? 0 : xOf(length - 1) + widest;
    const RECT r = ClientOnScreen(box);
    const int width = r.right - r.left;
    const std::vector<std::uint32_t> pixels = ScreenPixels(r);
    // The face at the bottom left, where no text is drawn.
    const std::uint32_t face = pixels[static_cast<std::size_t>(r.bottom - r.top - 2) * width + 1];
    const auto inked = [face](std::uint32_t c) { return Differs(c, face); };
    const RECT ink = BoundsOf(pixels, width, inked);
    const std::string what = Said(figure, " (its text ends at ", endX, ", its room at ", roomRight,
                                  ", its ink ", ink.left, "..", ink.right, ")");
    // The advances are whole pixels here: one more may be rounding.
    if (endX <= roomRight + 1) {
        return {ink.right >= endX - 3 && ink.right <= roomRight + 1, "shown whole: " + what};
    }
    const int dotsTop = ink.bottom - (ink.bottom - ink.top) / 3;
    bool dots = ink.right > ink.left;
    for (int y = ink.top; y < dotsTop; ++y) {
        for (int x = ink.right - (ink.bottom - ink.top) * 7 / 10; x < ink.right; ++x) {
            dots = dots && !inked(pixels[static_cast<std::size_t>(y) * width + x]);
        }
    }
    return {dots, "shown cut with an ellipsis: " + what};
}

}  // namespace

// Under Wine on a busy machine one look has now and then caught a figure
// box with ink a pixel past its room and no text layout, in runs of code
// that passes on the next: the figure must be seen right within a second.
void CheckFigureShown(HWND box) {
    std::pair<bool, std::string> seen;
    WaitFor(1000, [&] { return (seen = LookAtFigure(box)).first; });
    Check(seen.first, seen.second);
}

// Each worked example gives the boxes its texts. Then a few sources, salaries
// whose figures run to 9 and 14 characters among them: the source's figure
// drawn blue and the others red, each shown whole or cut with an ellipsis.
void CheckConversions(HWND main, bool decimalComma) {
    for (const testing::WorkedExample& example : testing::kWorkedExamples) {
        const std::string typed = InFormat(example.figure, decimalComma);
        Convert(main, example.source, typed, InFormat(example.tax, decimalComma));
        const std::string_view source = main_form::kPeriodControls[IndexOf(example.source)].box;
        CheckSame(TextOf(MainControl(main, source)), typed,
                  Said(example.name, " keeps what was typed in ", source, ":"));
        for (const auto& [period, text] : example.texts) {
            const std::string_view box = main_form::kPeriodControls[IndexOf(period)].box;
            CheckSame(TextOf(MainControl(main, box)), InFormat(text, decimalComma),
                      Said(example.name, " gives ", box));
        }
    }
    // The last: what a screenshot shows.
    const std::tuple<Period, std::string, std::string> drawn[] = {
        {Period::Hourly35, "28.57", "12.5"}, {Period::Second40, "0.0069", "20"},
        {Period::Monthly, "4333.33", "150"}, {Period::Annual, "1250000", "0"},
        {Period::Annual, "5200000", "0"},    {Period::Annual, "520000000000", "0"},
        {Period::Annual, "52,000", "0"}};
    for (const auto& [source, figure, tax] : drawn) {
        Convert(main, source, InFormat(figure, decimalComma), InFormat(tax, decimalComma));
        const auto drawnRight = [&](const main_form::PeriodControls& box) {
            const auto [blue, red] = InkIn(MainControl(main, box.box));
            return box.period == source ? blue > 20 && red == 0 : red > 20 && blue == 0;
        };
        WaitFor(3000, [&] { return std::ranges::all_of(main_form::kPeriodControls, drawnRight); });
        for (const main_form::PeriodControls& box : main_form::kPeriodControls) {
            Check(drawnRight(box), Said(figure, " from ", box.caption, ": ", box.box, " is drawn ",
                                        box.period == source ? "blue" : "red"));
            CheckFigureShown(MainControl(main, box.box));
        }
    }
}

std::function<Colour(const ControlDef&)> BoxColours(Period source, Colour others) {
    return [source, others](const ControlDef& def) {
        const auto& boxes = main_form::kPeriodControls;
        const auto box = std::ranges::find(boxes, def.name, &main_form::PeriodControls::box);
        return box == boxes.end() ? def.foreground : box->period == source ? kBlue : others;
    };
}

}  // namespace wagelyn::drive
